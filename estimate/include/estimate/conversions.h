// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace estimate {

// A figure that does not fit the whole numbers or dates this program works with. The window's
// two-digit fields can never produce one; any caller passing other texts must be ready for it.
class OverflowError : public std::overflow_error {
public:
    using std::overflow_error::overflow_error;
};

// Labels break lines at a lone carriage return; the window turns it into what its toolkit needs.
inline constexpr char kLineBreak = '\r';

// The decimal number at the start of the text: leading blanks, digits, optionally "." and more
// digits. 0 when the text does not start with one. Independent of the C library's locale.
double LeadingNumber(std::string_view text);

// Nearest 32-bit whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Throws OverflowError outside the 32-bit range or for a value that is not a number.
std::int32_t RoundToLong(double value);

// The largest whole number not above the value.
double FloorReal(double value);

enum class DigitPattern {
    TwoDigits,    // "00": whole number, at least two digits
    ThreeDigits,  // "000": whole number, at least three digits
    TwoDecimals,  // "00.00": at least two digits, the separator, exactly two decimals
};

// Rounds halves away from zero (5.125 -> "05.13") and pads with leading zeros; longer values are
// shown in full. Throws OverflowError for infinities and values that are not numbers.
std::string FormatDigits(double value, DigitPattern pattern, std::string_view decimalSeparator);

// A field's text formatted as the two-digit number it reads as: "7" -> "07", "" -> "00".
std::string FormatDigits(std::string_view fieldText);

}  // namespace estimate
