#pragma once

#include <string>

#include "estimate/clock.h"
#include "estimate/formats.h"

namespace estimate::testing {

// Names parameterised cases after their row's name member.
inline constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };

inline std::string TwoDigits(int value) {
    return std::string(value < 10 ? "0" : "") + std::to_string(value);
}

// ISO-like texts, so that expectations read plainly and do not depend on the machine's locale.
inline Formats IsoFormats(std::string decimalSeparator = ".") {
    const auto date = [](const LocalDateTime& t) {
        return std::to_string(t.year) + "-" + TwoDigits(t.month) + "-" + TwoDigits(t.day);
    };
    return {std::move(decimalSeparator),
            [date](const LocalDateTime& t) {
                return date(t) + " " + TwoDigits(t.hour) + ":" + TwoDigits(t.minute) + ":" +
                       TwoDigits(t.second);
            },
            date};
}

// A clock standing still at a local wall-clock time of the test process's zone (Europe/Berlin).
inline Clock FixedClock(const LocalDateTime& local) {
    const Instant instant = FromLocal(local);
    return [instant] { return std::chrono::system_clock::time_point(instant); };
}

}  // namespace estimate::testing
