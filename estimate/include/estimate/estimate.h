// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "clock.h"
#include "conversions.h"
#include "formats.h"

namespace estimate {

// The texts of the four entry fields as typed.
struct FieldTexts {
    std::string hours;
    std::string minutes;
    std::string seconds;
    std::string percent;
};

// The outcome of pressing OK: the texts of the three result labels, in the words of the formats'
// phrases, whether the estimate was defined, and the elapsed seconds it was computed from.
struct EstimateTexts {
    bool defined = false;  // false when no time has elapsed or nothing is done yet
    std::int32_t elapsedSeconds = 0;
    std::string total;                // e.g. "002:00:00", or "[undefined]"
    std::string completion;           // the completion moment as local text, or "[Undefined]"
    std::optional<std::string> done;  // the done-at result; nothing keeps the label's text
};

// Whole seconds of hours, minutes and seconds; minutes and seconds may exceed 59.
// Throws OverflowError beyond the 32-bit range, which two-digit fields never reach.
std::int32_t ComputeElapsedSeconds(std::string_view hoursText, std::string_view minutesText,
                                   std::string_view secondsText);

// The whole OK computation in its fixed order: elapsed seconds, the undefined test, then the
// done-at projection (UpdateDoneAt), then the estimated total and the completion moment.
// The total is rounded to whole seconds, and the remaining time is taken from that total.
// Hours are never folded into days ("1234:00:00").
EstimateTexts ComputeEstimate(const FieldTexts& fields, const std::optional<Instant>& doneAt,
                              const Clock& clock, const Formats& formats);

}  // namespace estimate
