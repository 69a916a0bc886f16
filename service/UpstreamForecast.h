#pragma once

// One place's forecast as the upstream gave it, before any mapping: days in
// the upstream's local dates, values missing where the upstream sent null.

#include <optional>
#include <string>
#include <vector>

namespace service {

struct UpstreamDay {
    std::string date;  // "YYYY-MM-DD", local to the requested time zone
    std::optional<int> weatherCode;
    // The most severe WMO code of the day's first (00-11) and second (12-23)
    // half, from hourly data when the upstream sent it.
    std::optional<int> firstHalfCode;
    std::optional<int> secondHalfCode;
    std::optional<double> low;   // °C
    std::optional<double> high;  // °C
    std::optional<double> precipitationMm;
    std::optional<double> windSpeedMs;  // the day's maximum, metres per second
    std::optional<double> windFromDegrees;
};

struct UpstreamForecast {
    std::vector<UpstreamDay> days;
};

}  // namespace service
