#pragma once

#include <functional>
#include <string>

#include "clock.h"

namespace estimate {

// The user's locale, supplied by the caller so that the core never asks the system for it.
struct Formats {
    std::string decimalSeparator;
    // Short date, a blank, and the time with hours, minutes and seconds.
    std::function<std::string(const LocalDateTime&)> dateTime;
    // Short date alone.
    std::function<std::string(const LocalDateTime&)> date;
};

// The moment in local time; the date alone when it falls exactly on midnight.
std::string DateText(Instant instant, const Formats& formats);

}  // namespace estimate
