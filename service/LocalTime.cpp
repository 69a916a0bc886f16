#include "service/LocalTime.h"

#include <chrono>
#include <cstdio>

namespace service {

namespace {

using std::chrono::day;
using std::chrono::days;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

constexpr long long kSecondsPerDay = 86400;

long long floorDiv(long long a, long long b) {
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
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

long long dayNumber(const LocalTime& time) {
    const year_month_day date{year{time.year}, month{static_cast<unsigned>(time.month)},
                              day{static_cast<unsigned>(time.day)}};
    return sys_days{date}.time_since_epoch().count();
}

long long secondsSinceEpoch(const LocalTime& time) {
    return dayNumber(time) * kSecondsPerDay + time.hour * 3600LL + time.minute * 60LL + time.second;
}

LocalTime fromSecondsSinceEpoch(long long seconds) {
    const long long dayIndex = floorDiv(seconds, kSecondsPerDay);
    const long long rest = seconds - dayIndex * kSecondsPerDay;
    const year_month_day date{sys_days{days{dayIndex}}};
    LocalTime out;
    out.year = static_cast<int>(date.year());
    out.month = static_cast<int>(static_cast<unsigned>(date.month()));
    out.day = static_cast<int>(static_cast<unsigned>(date.day()));
    out.hour = static_cast<int>(rest / 3600);
    out.minute = static_cast<int>(rest / 60 % 60);
    out.second = static_cast<int>(rest % 60);
    return out;
}

LocalTime addDays(const LocalTime& time, int days) {
    return fromSecondsSinceEpoch(secondsSinceEpoch(time) + days * kSecondsPerDay);
}

int dayOfYear(const LocalTime& time) {
    LocalTime newYear;
    newYear.year = time.year;
    return static_cast<int>(dayNumber(time) - dayNumber(newYear)) + 1;
}

std::string formatStamp(const LocalTime& time) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

std::optional<LocalTime> parseIsoTime(std::string_view text) {
    LocalTime out;
    if (!readNumber(text, 0, 4, out.year) || text.size() < 10 || text[4] != '-' || text[7] != '-' ||
        !readNumber(text, 5, 2, out.month) || !readNumber(text, 8, 2, out.day))
        return std::nullopt;
    if (text.size() > 10) {
        if ((text[10] != 'T' && text[10] != ' ') || text.size() < 16 || text[13] != ':' ||
            !readNumber(text, 11, 2, out.hour) || !readNumber(text, 14, 2, out.minute))
            return std::nullopt;
        if (text.size() > 16 &&
            (text.size() != 19 || text[16] != ':' || !readNumber(text, 17, 2, out.second)))
            return std::nullopt;
    }
    const year_month_day date{year{out.year}, month{static_cast<unsigned>(out.month)},
                              day{static_cast<unsigned>(out.day)}};
    if (!date.ok() || out.hour > 23 || out.minute > 59 || out.second > 59) return std::nullopt;
    return out;
}

}  // namespace service
