// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimate/estimate.h"

#include <cmath>

#include "estimate/done_at.h"

namespace estimate {
namespace {

// The completion is shown to the second, so the remaining time is rounded to one.
std::chrono::seconds WholeSeconds(double seconds) {
    if (!(std::fabs(seconds) < 1e15)) throw OverflowError("remaining time out of range");
    return std::chrono::seconds{std::llround(seconds)};
}

std::string TotalText(std::int32_t totalSeconds) {
    const double hours = FloorReal(totalSeconds / 3600.0);
    const double beyondHours = totalSeconds - hours * 3600;
    const double minutes = FloorReal(beyondHours / 60);
    const double seconds = FloorReal(beyondHours - minutes * 60);
    return FormatDigits(hours, DigitPattern::ThreeDigits, {}) + ":" +
           FormatDigits(minutes, DigitPattern::TwoDigits, {}) + ":" +
           FormatDigits(seconds, DigitPattern::TwoDigits, {});
}

}  // namespace

std::int32_t ComputeElapsedSeconds(std::string_view hoursText, std::string_view minutesText,
                                   std::string_view secondsText) {
    return RoundToLong(LeadingNumber(hoursText) * 3600 + LeadingNumber(minutesText) * 60 +
                       LeadingNumber(secondsText));
}

EstimateTexts ComputeEstimate(const FieldTexts& fields, const std::optional<Instant>& doneAt,
                              const Clock& clock, const Formats& formats) {
    EstimateTexts texts;
    texts.elapsedSeconds = ComputeElapsedSeconds(fields.hours, fields.minutes, fields.seconds);
    const double percent = LeadingNumber(fields.percent);
    if (texts.elapsedSeconds == 0 || percent == 0) {
        texts.total = formats.phrases.undefined;
        texts.completion = formats.phrases.undefinedMoment;
        texts.done = formats.phrases.undefinedMoment;
        return texts;
    }

    texts.defined = true;
    texts.done = UpdateDoneAt(fields.percent, texts.elapsedSeconds, doneAt, clock, formats);
    // Divide first, then multiply: 1 s at 8 % is exactly 12.5, which rounds to the even 12.
    const std::int32_t totalSeconds = RoundToLong(texts.elapsedSeconds / percent * 100);
    texts.total = TotalText(totalSeconds);
    const double remainingSeconds = totalSeconds / 100.0 * (100 - percent);
    texts.completion = DateText(Now(clock) + WholeSeconds(remainingSeconds), formats);
    return texts;
}

}  // namespace estimate
