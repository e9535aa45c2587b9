// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>

namespace estimate {

// A real moment, independent of the time zone; differences are true elapsed seconds even
// across a daylight-saving change.
using Instant = std::chrono::sys_seconds;

// The caller's source of the current moment: the system clock in the program, a fixed moment
// in tests.
using Clock = std::function<std::chrono::system_clock::time_point()>;

// A wall-clock date and time in the process's local time zone.
struct LocalDateTime {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The current moment to the whole second, cut rather than rounded: the clock has not yet
// reached the next second.
Instant Now(const Clock& clock);

// Throws OverflowError for a moment the C library cannot express as a local time.
LocalDateTime ToLocal(Instant instant);

}  // namespace estimate
