// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <ostream>
#include <string>

#include "estimate/clock.h"
#include "estimate/formats.h"

namespace estimate::testing {

// A row of a parameterised table, which Google Test names and prints by its name:
// struct SomeCase : NamedRow<SomeCase> { ... } is written {"RowName", ...}.
template <typename Row>
struct NamedRow {
    const char* name;

    friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

// Names parameterised cases after their row's name.
inline constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };

inline std::string TwoDigits(int value) {
    return std::string(value < 10 ? "0" : "") + std::to_string(value);
}

// ISO-like texts and English words, so that expectations read plainly and do not depend on the
// machine's locale.
inline Formats IsoFormats(std::string decimalSeparator = ".") {
    const auto date = [](const LocalDateTime& t) {
        return std::to_string(t.year) + "-" + TwoDigits(t.month) + "-" + TwoDigits(t.day);
    };
    return {.decimalSeparator = std::move(decimalSeparator),
            .dateTime =
                [date](const LocalDateTime& t) {
                    return date(t) + " " + TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" +
                           TwoDigits(t.second);
                },
            .date = date,
            .phrases = {.undefined = "[undefined]",
                        .undefinedMoment = "[Undefined]",
                        .percent = "%1 %",
                        .reached = "%1 (reached)",
                        .completed = "Completed",
                        .overshoot = "(+ %1 %)"}};
}

// The moment a wall-clock time of the test process's zone (Europe/Berlin) stands for. Only for
// times the clock shows once: mktime's choice between the two readings of a repeated time is
// its own.
inline Instant LocalInstant(const LocalDateTime& local) {
    std::tm parts{};
    parts.tm_year = local.year - 1900;
    parts.tm_mon = local.month - 1;
    parts.tm_mday = local.day;
    parts.tm_hour = local.hour;
    parts.tm_min = local.minute;
    parts.tm_sec = local.second;
    parts.tm_isdst = -1;
    return Instant{std::chrono::seconds{std::mktime(&parts)}};
}

// An ordinary summer day, far from any change of the clocks.
inline constexpr LocalDateTime kNoon{2026, 6, 10, 12, 0, 0};

// A clock standing still at a wall-clock time of the test process's zone.
inline Clock FixedClock(const LocalDateTime& local) {
    const Instant instant = LocalInstant(local);
    return [instant] { return std::chrono::system_clock::time_point(instant); };
}

}  // namespace estimate::testing
