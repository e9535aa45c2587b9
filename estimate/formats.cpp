// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimate/formats.h"

namespace estimate {

std::string DateText(Instant instant, const Formats& formats) {
    const LocalDateTime local = ToLocal(instant);
    const bool midnight = local.hour == 0 && local.minute == 0 && local.second == 0;
    return midnight ? formats.date(local) : formats.dateTime(local);
}

std::string Fill(std::string_view pattern, std::string_view text) {
    std::string filled(pattern);
    if (const auto at = filled.find("%1"); at != std::string::npos) filled.replace(at, 2, text);
    return filled;
}

}  // namespace estimate
