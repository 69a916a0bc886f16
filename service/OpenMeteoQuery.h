#pragma once

// The request target of the upstream's forecast API for a batch of places:
// GET /v1/forecast with comma-separated latitudes and longitudes, the daily
// variables the product's day needs, hourly weather codes (for the change of
// weather between the day's halves), Chinese local dates.

#include <string>
#include <vector>

#include "service/City.h"

namespace service {

inline constexpr int kUpstreamForecastDays = 7;

std::string openMeteoTarget(const std::vector<GeoPosition>& positions,
                            int days = kUpstreamForecastDays);

}  // namespace service
