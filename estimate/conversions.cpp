// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimate/conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace estimate {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits of a whole-valued double, without sign, padded with zeros to at least minDigits.
std::string WholeDigits(double wholeMagnitude, int minDigits) {
    char buffer[400];  // the largest double has 309 digits
    const int length = std::snprintf(buffer, sizeof buffer, "%0*.0f", minDigits, wholeMagnitude);
    return std::string(buffer, static_cast<std::size_t>(length));
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    std::size_t end = start;
    while (end < text.size() && IsDigit(text[end])) ++end;
    bool anyDigit = end > start;
    if (end < text.size() && text[end] == '.') {
        std::size_t fractionEnd = end + 1;
        while (fractionEnd < text.size() && IsDigit(text[fractionEnd])) ++fractionEnd;
        if (fractionEnd > end + 1) {
            anyDigit = true;
            end = fractionEnd;
        }
    }
    if (!anyDigit) return 0.0;

    const std::string_view number = text.substr(start, end - start);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge if any digit before the point is non-zero,
        // otherwise a fraction too small to tell from zero.
        const std::string_view whole = number.substr(0, number.find('.'));
        const bool huge = whole.find_first_not_of('0') != std::string_view::npos;
        return huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

std::int32_t RoundToLong(double value) {
    // nearbyint uses the default rounding mode, round-half-to-even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max())) {
        throw OverflowError("number outside the 32-bit range");
    }
    return static_cast<std::int32_t>(rounded);
}

double FloorReal(double value) { return std::floor(value); }

std::string FormatDigits(double value, DigitPattern pattern, std::string_view decimalSeparator) {
    const bool decimals = pattern == DigitPattern::TwoDecimals;
    // std::round takes halves away from zero, unlike printf's rounding of exact ties.
    const double scaled = std::round(decimals ? value * 100.0 : value);
    if (!std::isfinite(scaled)) throw OverflowError("number cannot be shown");

    const int minDigits = pattern == DigitPattern::TwoDigits     ? 2
                          : pattern == DigitPattern::ThreeDigits ? 3
                                                                 : 4;
    std::string digits = WholeDigits(std::fabs(scaled), minDigits);
    if (decimals) digits.insert(digits.size() - 2, decimalSeparator);
    return scaled < 0 ? "-" + digits : digits;
}

std::string FormatDigits(std::string_view fieldText) {
    return FormatDigits(LeadingNumber(fieldText), DigitPattern::TwoDigits, {});
}

}  // namespace estimate
