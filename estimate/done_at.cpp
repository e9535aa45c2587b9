// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimate/done_at.h"

namespace estimate {

std::optional<std::string> UpdateDoneAt(std::string_view percentText, std::int32_t elapsedSeconds,
                                        const std::optional<Instant>& doneAt, const Clock& clock,
                                        const Formats& formats) {
    const Phrases& phrases = formats.phrases;
    if (elapsedSeconds == 0) return phrases.undefined;
    if (!doneAt) return std::nullopt;

    const double percent = LeadingNumber(percentText);
    const Instant now = Now(clock);
    const auto secondsAhead = static_cast<double>((*doneAt - now).count());
    const double projected = secondsAhead * percent / elapsedSeconds + percent;
    const auto hundredths = [&](double value) {
        return FormatDigits(value, DigitPattern::TwoDecimals, formats.decimalSeparator);
    };
    const auto percentage = [&](double value) { return Fill(phrases.percent, hundredths(value)); };

    // Strict comparisons: exactly 100 is a percentage, not "Completed", and exactly 0 is
    // an ordinary percentage that can still be marked as reached.
    if (projected > 100) {
        return phrases.completed + kLineBreak +
               Fill(phrases.overshoot, hundredths(projected - 100));
    }
    if (projected < 0) return percentage(0);
    const std::string text = percentage(projected);
    return *doneAt < now ? Fill(phrases.reached, text) : text;
}

}  // namespace estimate
