// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "estimate/done_at.h"
#include "estimate/estimate.h"
#include "fixtures.h"

// The process runs in Europe/Berlin (see test_main.cpp): clocks go forward from 02:00 to 03:00 on
// 2026-03-29 and back from 03:00 to 02:00 on 2026-10-25. Wall-clock arithmetic would be an hour
// off in each case below.
namespace estimate {
namespace {

using testing::FixedClock;
using testing::IsoFormats;
using testing::LocalInstant;

struct TransitionCase : testing::NamedRow<TransitionCase> {
    LocalDateTime now;
    FieldTexts fields;
    LocalDateTime doneAt;
    const char* completion;
    const char* done;
};

class DaylightSavingTest : public ::testing::TestWithParam<TransitionCase> {};

TEST_P(DaylightSavingTest, CountsRealSecondsAcrossTheChange) {
    const TransitionCase& c = GetParam();
    const EstimateTexts texts =
        ComputeEstimate(c.fields, LocalInstant(c.doneAt), FixedClock(c.now), IsoFormats());
    EXPECT_EQ(texts.completion, c.completion);
    EXPECT_EQ(texts.done, c.done);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Berlin2026, DaylightSavingTest, ::testing::Values(
    // 01:00 CET + 1 h of real time is 03:00 CEST; 01:00 to 04:00 on the wall is 2 h.
    TransitionCase{"SpringForward", {2026, 3, 29, 1, 0, 0},   {"01", "00", "00", "50"}, {2026, 3, 29, 4, 0, 0},   "2026-03-29 03:00:00", "Completed\r(+ 50.00 %)"},
    // 01:30 CEST + 3 h of real time is 03:30 CET; 01:30 to 03:30 on the wall is 3 h.
    TransitionCase{"FallBack",      {2026, 10, 25, 1, 30, 0}, {"01", "00", "00", "25"}, {2026, 10, 25, 3, 30, 0}, "2026-10-25 03:30:00", "100.00 %"}),
    testing::CaseName);
// clang-format on

}  // namespace
}  // namespace estimate
