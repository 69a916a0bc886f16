#pragma once

// Makes the forecast of a place for a calendar date: the same place and date give
// the same day whenever it is asked for (so tomorrow's record today matches
// today's record tomorrow), and the climate follows the place's latitude,
// altitude and the season.

#include <string>
#include <string_view>

#include "service/City.h"
#include "service/DayWeather.h"
#include "service/LocalTime.h"

namespace service {

class WeatherGenerator final {
public:
    static DayWeather day(const City& city, const LocalTime& date);

    // The day record of the reply: tag, "MM/DD", kinds, temperatures, wind, then
    // "&" and the extra part. The full form carries the three index texts and the
    // rainfall; the short form (tomorrow and later) leaves the extra part empty.
    static std::string dayRecord(const DayWeather& day, std::string_view tag, bool full);
};

}  // namespace service
