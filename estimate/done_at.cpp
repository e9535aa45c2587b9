#include "estimate/done_at.h"

namespace estimate {

std::optional<std::string> UpdateDoneAt(std::string_view percentText, std::int32_t elapsedSeconds,
                                        const std::optional<Instant>& doneAt, const Clock& clock,
                                        const Formats& formats) {
    if (elapsedSeconds == 0) return "[undefined]";
    if (!doneAt) return std::nullopt;

    const double percent = LeadingNumber(percentText);
    const Instant now = Now(clock);
    const auto secondsAhead = static_cast<double>((*doneAt - now).count());
    const double projected = secondsAhead * percent / elapsedSeconds + percent;
    const auto hundredths = [&](double value) {
        return FormatDigits(value, DigitPattern::TwoDecimals, formats.decimalSeparator);
    };

    // Strict comparisons: exactly 100 is a percentage, not "Completed", and exactly 0 is
    // an ordinary percentage that can still be marked as reached.
    if (projected > 100) {
        return "Completed" + std::string(1, kLineBreak) + "(+ " + hundredths(projected - 100) +
               " %)";
    }
    if (projected < 0) return hundredths(0) + " %";
    std::string text = hundredths(projected) + " %";
    if (*doneAt < now) text += " (reached)";
    return text;
}

}  // namespace estimate
