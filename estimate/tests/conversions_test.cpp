// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "estimate/conversions.h"
#include "fixtures.h"

namespace estimate {
namespace {

struct RoundCase : testing::NamedRow<RoundCase> {
    double value;
    std::int32_t expected;
};

class RoundToLongTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundToLongTest, RoundsHalvesToEven) {
    EXPECT_EQ(RoundToLong(GetParam().value), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, RoundToLongTest, ::testing::Values(
    RoundCase{"HalfDownToZero",        0.5,           0},
    RoundCase{"OneAndHalfUpToTwo",     1.5,           2},
    RoundCase{"TwoAndHalfDownToTwo",   2.5,           2},
    RoundCase{"ThreeAndHalfUpToFour",  3.5,           4},
    RoundCase{"TwelveAndHalfToTwelve", 12.5,          12},
    RoundCase{"NegativeHalfToZero",    -0.5,          0},
    RoundCase{"NegativeTwoAndHalf",    -2.5,          -2},
    RoundCase{"AboveHalfRoundsUp",     333.3333,      333},
    RoundCase{"LargestWhole",          2147483647.4,  2147483647},
    RoundCase{"SmallestHalfToEven",    -2147483648.5, -2147483648}),
    testing::CaseName);
// clang-format on

TEST(RoundToLongOverflow, OutsideThe32BitRangeThrowsOurError) {
    for (const double value :
         {2147483647.5, 3e9, -2147483649.0, std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(RoundToLong(value), OverflowError) << value;
    }
}

struct LeadingCase : testing::NamedRow<LeadingCase> {
    const char* text;
    double expected;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest, ::testing::Values(
    LeadingCase{"Empty",             "",       0},
    LeadingCase{"LeadingZero",       "07",     7},
    LeadingCase{"BlanksThenDigits",  "  \t12", 12},
    LeadingCase{"DigitsThenLetters", "42abc",  42},
    LeadingCase{"Decimal",           "3.25x",  3.25},
    LeadingCase{"SecondPointEnds",   "1.2.3",  1.2},
    LeadingCase{"TrailingPoint",     "7.",     7},
    LeadingCase{"PointThenDigits",   ".5",     0.5},
    LeadingCase{"PointAlone",        ".",      0},
    LeadingCase{"Letters",           "abc",    0},
    LeadingCase{"SignIsNotADigit",   "-5",     0},
    LeadingCase{"CommaIsNotAPoint",  "2,5",    2},
    LeadingCase{"ExponentIgnored",   "1e3",    1}),
    testing::CaseName);
// clang-format on

TEST(LeadingNumberExtremes, TooManyDigitsAreInfiniteOrZero) {
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
}

struct FormatCase : testing::NamedRow<FormatCase> {
    double value;
    DigitPattern pattern;
    const char* separator;
    const char* expected;
};

class FormatDigitsTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDigitsTest, PadsAndRoundsHalvesAwayFromZero) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatDigits(c.value, c.pattern, c.separator), c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, FormatDigitsTest, ::testing::Values(
    FormatCase{"SevenTwoDigits",            7,      DigitPattern::TwoDigits,    "",       "07"},
    FormatCase{"ZeroThreeDigits",           0,      DigitPattern::ThreeDigits,  "",       "000"},
    FormatCase{"LongerShownInFull",         1234,   DigitPattern::ThreeDigits,  "",       "1234"},
    FormatCase{"WholeHalfAwayFromZero",     2.5,    DigitPattern::TwoDigits,    "",       "03"},
    FormatCase{"NegativeWhole",             -3.2,   DigitPattern::TwoDigits,    "",       "-03"},
    FormatCase{"HundredthHalfAwayFromZero", 5.125,  DigitPattern::TwoDecimals,  ".",      "05.13"},
    FormatCase{"OneDecimalPadded",          123.4,  DigitPattern::TwoDecimals,  ".",      "123.40"},
    FormatCase{"Zero",                      0,      DigitPattern::TwoDecimals,  ".",      "00.00"},
    FormatCase{"TinyNegativeIsZero",        -0.001, DigitPattern::TwoDecimals,  ".",      "00.00"},
    FormatCase{"LocaleSeparator",           12.5,   DigitPattern::TwoDecimals,  ",",      "12,50"},
    FormatCase{"MultiByteSeparator",        1.25,   DigitPattern::TwoDecimals,  "\u066B", "01\u066B25"},
    FormatCase{"HugeInFull",                1e20,   DigitPattern::TwoDigits,    "",       "100000000000000000000"}),
    testing::CaseName);
// clang-format on

TEST(FormatDigitsNonFinite, ThrowsOurError) {
    EXPECT_THROW(FormatDigits(std::numeric_limits<double>::infinity(), DigitPattern::TwoDigits, ""),
                 OverflowError);
    EXPECT_THROW(FormatDigits(std::nan(""), DigitPattern::TwoDecimals, "."), OverflowError);
}

TEST(FormatDigitsFieldText, PadsSingleDigitsAndEmpty) {
    EXPECT_EQ(FormatDigits(""), "00");
    EXPECT_EQ(FormatDigits("7"), "07");
    EXPECT_EQ(FormatDigits("00"), "00");
    EXPECT_EQ(FormatDigits("42"), "42");
}

}  // namespace
}  // namespace estimate
