#include "service/Clock.h"

#include <ctime>

namespace service {

namespace {

long long hostSeconds() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    LocalTime time{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                   parts.tm_hour,        parts.tm_min,     parts.tm_sec};
    return secondsSinceEpoch(time);
}

}  // namespace

LocalTime Clock::now() const {
    return fromSecondsSinceEpoch(hostSeconds() + offsetSeconds_.load());
}

void Clock::startAt(const LocalTime& time) {
    offsetSeconds_.store(secondsSinceEpoch(time) - hostSeconds());
}

}  // namespace service
