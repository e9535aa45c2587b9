// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "estimate/estimate.h"
#include "fixtures.h"

namespace estimate {
namespace {

using testing::FixedClock;
using testing::IsoFormats;
using testing::kNoon;
using testing::LocalInstant;

struct EstimateCase : testing::NamedRow<EstimateCase> {
    FieldTexts fields;
    std::int32_t elapsedSeconds;
    const char* total;
    const char* completion;
};

class ComputeEstimateTest : public ::testing::TestWithParam<EstimateCase> {};

TEST_P(ComputeEstimateTest, ShowsTotalAndCompletion) {
    const EstimateCase& c = GetParam();
    const EstimateTexts texts =
        ComputeEstimate(c.fields, std::nullopt, FixedClock(kNoon), IsoFormats());
    EXPECT_TRUE(texts.defined);
    EXPECT_EQ(texts.elapsedSeconds, c.elapsedSeconds);
    EXPECT_EQ(texts.total, c.total);
    EXPECT_EQ(texts.completion, c.completion);
    EXPECT_EQ(texts.done, std::nullopt);  // no done-at moment: the label keeps its text
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ComputeEstimateTest, ::testing::Values(
    EstimateCase{"HalfHourAtQuarter",         {"00", "30", "00", "25"}, 1800,   "002:00:00",   "2026-06-10 13:30:00"},
    // 333.33 rounds to 333; the remaining 323.01 s come from the rounded total.
    EstimateCase{"TenSecondsAtThree",         {"00", "00", "10", "03"}, 10,     "000:05:33",   "2026-06-10 12:05:23"},
    EstimateCase{"ExactHalfRoundsDownToEven", {"00", "00", "01", "08"}, 1,      "000:00:12",   "2026-06-10 12:00:11"},
    EstimateCase{"ExactHalfRoundsUpToEven",   {"00", "00", "03", "08"}, 3,      "000:00:38",   "2026-06-10 12:00:35"},
    // 23 / 40 x 100 is 57.4999...; multiplying first gives exactly 57.5, which rounds to 58.
    EstimateCase{"DividesBeforeMultiplying",  {"00", "00", "23", "40"}, 23,     "000:00:57",   "2026-06-10 12:00:34"},
    EstimateCase{"MinutesBeyondSixty",        {"00", "75", "00", "50"}, 4500,   "002:30:00",   "2026-06-10 13:15:00"},
    EstimateCase{"SingleDigitsAndEmpty",      {"1", "", "5", "5"},      3605,   "020:01:40",   "2026-06-11 07:01:35"},
    EstimateCase{"HoursNeverWrappedIntoDays", {"99", "99", "99", "01"}, 362439, "10067:45:00", "2027-07-30 19:04:21"}),
    testing::CaseName);
// clang-format on

struct UndefinedCase : testing::NamedRow<UndefinedCase> {
    FieldTexts fields;
};

class UndefinedEstimateTest : public ::testing::TestWithParam<UndefinedCase> {};

TEST_P(UndefinedEstimateTest, ShowsUndefinedInAllThreeLabels) {
    const Instant doneAt = LocalInstant({2026, 6, 10, 13, 0, 0});
    const EstimateTexts texts =
        ComputeEstimate(GetParam().fields, doneAt, FixedClock(kNoon), IsoFormats());
    EXPECT_FALSE(texts.defined);
    EXPECT_EQ(texts.total, "[undefined]");
    EXPECT_EQ(texts.completion, "[Undefined]");
    EXPECT_EQ(texts.done, "[Undefined]");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, UndefinedEstimateTest, ::testing::Values(
    UndefinedCase{"AllZero",       {"00", "00", "00", "00"}},
    UndefinedCase{"NothingDone",   {"01", "00", "00", "00"}},
    UndefinedCase{"NoTimeElapsed", {"00", "00", "00", "50"}},
    UndefinedCase{"AllEmpty",      {"", "", "", ""}}),
    testing::CaseName);
// clang-format on

TEST(ComputeEstimateOrder, RunsTheDoneAtProjectionWhenDefined) {
    const Instant inAnHour = LocalInstant({2026, 6, 10, 13, 0, 0});
    const EstimateTexts texts =
        ComputeEstimate({"01", "00", "00", "50"}, inAnHour, FixedClock(kNoon), IsoFormats());
    EXPECT_EQ(texts.done, "100.00 %");
    EXPECT_EQ(texts.total, "002:00:00");
}

TEST(ComputeEstimateMidnight, ShowsTheDateAloneAtExactlyMidnight) {
    const FieldTexts fields{"01", "00", "00", "50"};
    EXPECT_EQ(
        ComputeEstimate(fields, std::nullopt, FixedClock({2026, 6, 10, 23, 0, 0}), IsoFormats())
            .completion,
        "2026-06-11");
    EXPECT_EQ(
        ComputeEstimate(fields, std::nullopt, FixedClock({2026, 6, 10, 23, 0, 5}), IsoFormats())
            .completion,
        "2026-06-11 00:00:05");
}

TEST(ComputeEstimateOverflow, TextsBeyondTwoDigitsFailWithOurError) {
    EXPECT_THROW(ComputeEstimate({"999999", "00", "00", "50"}, std::nullopt, FixedClock(kNoon),
                                 IsoFormats()),
                 OverflowError);
}

}  // namespace
}  // namespace estimate
