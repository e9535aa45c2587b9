// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "estimate/done_at.h"
#include "fixtures.h"

namespace estimate {
namespace {

using testing::FixedClock;
using testing::IsoFormats;
using testing::kNoon;
using testing::LocalInstant;

Instant NoonPlus(int seconds) { return LocalInstant(kNoon) + std::chrono::seconds{seconds}; }

struct DoneAtCase : testing::NamedRow<DoneAtCase> {
    const char* percent;
    std::int32_t elapsedSeconds;
    std::optional<int> secondsFromNow;  // none: the picker's check box is cleared
    std::optional<std::string> expected;
};

class UpdateDoneAtTest : public ::testing::TestWithParam<DoneAtCase> {};

TEST_P(UpdateDoneAtTest, ProjectsThePercentage) {
    const DoneAtCase& c = GetParam();
    std::optional<Instant> doneAt;
    if (c.secondsFromNow) doneAt = NoonPlus(*c.secondsFromNow);
    EXPECT_EQ(UpdateDoneAt(c.percent, c.elapsedSeconds, doneAt, FixedClock(kNoon), IsoFormats()),
              c.expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, UpdateDoneAtTest, ::testing::Values(
    DoneAtCase{"ZeroPercentInTheFuture",       "00", 3600, 3600,         "00.00 %"},
    DoneAtCase{"CurrentSecondIsNotReached",    "50", 3600, 0,            "50.00 %"},
    DoneAtCase{"ExactlyHundredIsNotCompleted", "50", 3600, 3600,         "100.00 %"},
    DoneAtCase{"AboveHundredIsCompleted",      "50", 3600, 7200,         "Completed\r(+ 50.00 %)"},
    DoneAtCase{"JustAboveHundred",             "50", 3600, 3601,         "Completed\r(+ 00.01 %)"},
    DoneAtCase{"FractionalPercentage",         "30", 3600, 1000,         "38.33 %"},
    // 1494 s x 5 % / 3600 s is 2.075 exactly; dividing first gives 2.07499... and 07.07.
    DoneAtCase{"MultipliesBeforeDividing",     "05", 3600, 1494,         "07.08 %"},
    DoneAtCase{"PastReached",                  "50", 3600, -1800,        "25.00 % (reached)"},
    DoneAtCase{"PastExactlyZeroIsReached",     "50", 3600, -3600,        "00.00 % (reached)"},
    DoneAtCase{"PastBelowZeroHasNoSuffix",     "50", 3600, -5400,        "00.00 %"},
    DoneAtCase{"NoPickerNoTime",               "00", 0,    std::nullopt, "[undefined]"},
    DoneAtCase{"PickerButNoTime",              "50", 0,    3600,         "[undefined]"},
    DoneAtCase{"NoPickerKeepsText",            "50", 3600, std::nullopt, std::nullopt}),
    testing::CaseName);
// clang-format on

TEST(UpdateDoneAtLocale, UsesTheDecimalSeparator) {
    EXPECT_EQ(UpdateDoneAt("50", 3600, NoonPlus(7200), FixedClock(kNoon), IsoFormats(",")),
              "Completed\r(+ 50,00 %)");
    EXPECT_EQ(UpdateDoneAt("50", 3600, NoonPlus(-5400), FixedClock(kNoon), IsoFormats(",")),
              "00,00 %");
}

}  // namespace
}  // namespace estimate
