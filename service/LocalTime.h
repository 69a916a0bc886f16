#pragma once

// Civil date and time of the service's clock, with the day arithmetic the data
// generators need. No time zone: a LocalTime is what a wall clock shows.

#include <optional>
#include <string>
#include <string_view>

namespace service {

struct LocalTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// Days since 1970-01-01 of the time's date.
long long dayNumber(const LocalTime& time);

// Seconds since 1970-01-01 00:00:00 of the wall-clock time.
long long secondsSinceEpoch(const LocalTime& time);
LocalTime fromSecondsSinceEpoch(long long seconds);

// The same wall-clock time, days later (or earlier when negative).
LocalTime addDays(const LocalTime& time, int days);

// 1 for 1 January.
int dayOfYear(const LocalTime& time);

// "YYYY-MM-DD hh:mm:ss", the form of every reply's update stamp.
std::string formatStamp(const LocalTime& time);

// Accepts "YYYY-MM-DD", "YYYY-MM-DDThh:mm[:ss]" and the same with a blank for "T".
std::optional<LocalTime> parseIsoTime(std::string_view text);

}  // namespace service
