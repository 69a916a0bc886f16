#include "service/Clock.h"

#include <chrono>
#include <ctime>

namespace service {

namespace {

// The host's local time in milliseconds on the LocalTime scale, the fraction of
// the second included: an offset taken from whole seconds alone would make the
// clock read one second late for up to a second after startAt().
long long hostMilliseconds() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto fraction = duration_cast<milliseconds>(now - system_clock::from_time_t(seconds));
    std::tm parts{};
    localtime_r(&seconds, &parts);
    const LocalTime time{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                         parts.tm_hour,        parts.tm_min,     parts.tm_sec};
    return secondsSinceEpoch(time) * 1000 + fraction.count();
}

long long floorDiv(long long value, long long divisor) {
    const long long quotient = value / divisor;
    return (value % divisor < 0) ? quotient - 1 : quotient;
}

}  // namespace

LocalTime Clock::now() const {
    return fromSecondsSinceEpoch(floorDiv(hostMilliseconds() + offsetMilliseconds_.load(), 1000));
}

void Clock::startAt(const LocalTime& time) {
    offsetMilliseconds_.store(secondsSinceEpoch(time) * 1000 - hostMilliseconds());
}

}  // namespace service
