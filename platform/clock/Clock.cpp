#include "platform/clock/Clock.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <mutex>

namespace platform {
namespace {

// Seconds between the TEVALO_CLOCK time and the host's time, fixed when the
// program starts so that the device clock runs on from the given time.
struct DeviceClock {
    std::mutex mutex;
    ClockSource replacement;
    std::time_t offset = 0;

    DeviceClock() {
        const char* start = std::getenv("TEVALO_CLOCK");
        if (!start || !*start) return;
        const auto parsed = parseIsoLocalTime(start);
        if (!parsed) return;
        std::tm tm{};
        tm.tm_year = parsed->year - 1900;
        tm.tm_mon = parsed->month - 1;
        tm.tm_mday = parsed->day;
        tm.tm_hour = parsed->hour;
        tm.tm_min = parsed->minute;
        tm.tm_sec = parsed->second;
        tm.tm_isdst = -1;
        const std::time_t wanted = std::mktime(&tm);
        if (wanted != static_cast<std::time_t>(-1)) offset = wanted - std::time(nullptr);
    }
};

DeviceClock& deviceClock() {
    static DeviceClock instance;
    return instance;
}

// Starts the clock with the process, not with the first question for the time.
[[maybe_unused]] const DeviceClock& startedAtLoad = deviceClock();

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// 0 = Sunday, Sakamoto's method.
int weekday(int y, int m, int d) {
    static constexpr int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

bool readNumber(std::string_view text, size_t pos, size_t width, int& out) {
    if (pos + width > text.size()) return false;
    int value = 0;
    for (size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    out = value;
    return true;
}

}  // namespace

LocalTime localTime() {
    DeviceClock& clock = deviceClock();
    std::time_t offset;
    {
        std::lock_guard lock(clock.mutex);
        if (clock.replacement) return clock.replacement();
        offset = clock.offset;
    }
    const std::time_t now = std::time(nullptr) + offset;
    std::tm tm{};
    localtime_r(&now, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                     tm.tm_min,         tm.tm_sec,     tm.tm_wday};
}

ClockSource setClockForTesting(ClockSource source) {
    DeviceClock& clock = deviceClock();
    std::lock_guard lock(clock.mutex);
    std::swap(clock.replacement, source);
    return source;
}

struct FixedClock::State {
    std::mutex mutex;
    LocalTime time;
};

FixedClock::FixedClock(const LocalTime& time) : state_(std::make_shared<State>()) {
    state_->time = time;
    previous_ = setClockForTesting([state = state_] {
        std::lock_guard lock(state->mutex);
        return state->time;
    });
}

FixedClock::~FixedClock() {
    setClockForTesting(std::move(previous_));
}

void FixedClock::set(const LocalTime& time) {
    std::lock_guard lock(state_->mutex);
    state_->time = time;
}

std::optional<LocalTime> parseIsoLocalTime(std::string_view text) {
    // YYYY-MM-DDTHH:MM:SS
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' ||
        (text[10] != 'T' && text[10] != ' ') || text[13] != ':' || text[16] != ':') {
        return std::nullopt;
    }
    LocalTime t;
    if (!readNumber(text, 0, 4, t.year) || !readNumber(text, 5, 2, t.month) ||
        !readNumber(text, 8, 2, t.day) || !readNumber(text, 11, 2, t.hour) ||
        !readNumber(text, 14, 2, t.minute) || !readNumber(text, 17, 2, t.second)) {
        return std::nullopt;
    }
    if (t.year < 1601 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59) {
        return std::nullopt;
    }
    t.dayOfWeek = weekday(t.year, t.month, t.day);
    return t;
}

}  // namespace platform
