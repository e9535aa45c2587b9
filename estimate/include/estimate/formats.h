// SPDX-FileCopyrightText: 2026 TavroStat
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "clock.h"

namespace estimate {

// The words of the result texts in the user's language. In a pattern, "%1" stands for the text
// put in its place.
struct Phrases {
    std::string undefined;        // "[undefined]": no total; a done-at without elapsed time
    std::string undefinedMoment;  // "[Undefined]": no completion and no done-at result
    std::string percent;          // "%1 %"
    std::string reached;          // "%1 (reached)": %1 a percentage text whose moment has passed
    std::string completed;        // "Completed": the job ends before the done-at moment
    std::string overshoot;        // "(+ %1 %)": the line below "Completed", %1 the excess over 100
};

// The user's locale and language, supplied by the caller so that the core never asks the system
// for them.
struct Formats {
    std::string decimalSeparator;
    // Short date, a blank, and the time with hours, minutes and seconds.
    std::function<std::string(const LocalDateTime&)> dateTime;
    // Short date alone.
    std::function<std::string(const LocalDateTime&)> date;
    Phrases phrases;
};

// The moment in local time; the date alone when it falls exactly on midnight.
std::string DateText(Instant instant, const Formats& formats);

// The pattern with its first "%1" replaced by the text.
std::string Fill(std::string_view pattern, std::string_view text);

}  // namespace estimate
