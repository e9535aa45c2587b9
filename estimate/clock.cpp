// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimate/clock.h"

#include <ctime>

#include "estimate/conversions.h"

namespace estimate {

Instant Now(const Clock& clock) { return std::chrono::floor<std::chrono::seconds>(clock()); }

LocalDateTime ToLocal(Instant instant) {
    // POSIX time and the system clock share the 1970 epoch; going through time_t directly avoids
    // the clock's nanosecond range.
    const std::time_t seconds = instant.time_since_epoch().count();
    // The program runs its logic on one thread, so the C library's shared result is safe here.
    const std::tm* local = std::localtime(&seconds);
    if (local == nullptr) throw OverflowError("moment outside the local calendar");
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
            local->tm_hour,        local->tm_min,     local->tm_sec};
}

}  // namespace estimate
