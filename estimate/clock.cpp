#include "clock.h"

#include <ctime>

#include "conversions.h"

namespace estimate {

Instant Now(const Clock& clock) { return std::chrono::floor<std::chrono::seconds>(clock()); }

Instant Today(const Clock& clock) {
    LocalDateTime midnight = ToLocal(Now(clock));
    midnight.hour = midnight.minute = midnight.second = 0;
    return FromLocal(midnight);
}

LocalDateTime ToLocal(Instant instant) {
    // POSIX time and the system clock share the 1970 epoch; going through time_t directly avoids
    // the clock's nanosecond range.
    const std::time_t seconds = instant.time_since_epoch().count();
    // The program runs its logic on one thread, so the C library's shared result is safe here.
    const std::tm* local = std::localtime(&seconds);
    if (local == nullptr) throw OverflowError("moment outside the local calendar");
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
            local->tm_hour,        local->tm_min,     local->tm_sec};
}

Instant FromLocal(const LocalDateTime& local) {
    constexpr int kYearLimit = 1'000'000;  // keeps tm_year and mktime's arithmetic in range
    const bool inRange = local.year >= -kYearLimit && local.year <= kYearLimit &&
                         local.month >= 1 && local.month <= 12 && local.day >= 1 &&
                         local.day <= 31 && local.hour >= 0 && local.hour <= 23 &&
                         local.minute >= 0 && local.minute <= 59 && local.second >= 0 &&
                         local.second <= 60;
    if (!inRange) throw OverflowError("date outside the local calendar");
    std::tm parts{};
    parts.tm_year = local.year - 1900;
    parts.tm_mon = local.month - 1;
    parts.tm_mday = local.day;
    parts.tm_hour = local.hour;
    parts.tm_min = local.minute;
    parts.tm_sec = local.second;
    parts.tm_isdst = -1;  // let the time-zone rules decide whether summer time applies
    const std::time_t seconds = std::mktime(&parts);
    // -1 is also the last second of 1969, which no done-at time of this program can be.
    if (seconds == static_cast<std::time_t>(-1))
        throw OverflowError("date outside the local calendar");
    return Instant{std::chrono::seconds{seconds}};
}

}  // namespace estimate
