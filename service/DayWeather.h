#pragma once

#include <string>

namespace service {

// One generated forecast day of one place.
struct DayWeather {
    int month = 1;
    int day = 1;
    int kindFirst = 0;  // weather kind codes 0..31 (25 unused)
    int kindThen = 0;   // equal to kindFirst when the weather does not change
    int low = 0;
    int high = 0;
    int windDirection = 0;  // 0..9
    int windForce = 0;      // 0..9
    std::string comfort;    // the three index texts, UTF-8
    std::string dressing;
    std::string exercise;
    double rainfallMm = 0;  // shown whole when whole, else to a tenth
};

}  // namespace service
