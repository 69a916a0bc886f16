#include "service/OpenMeteoQuery.h"

#include <cstdio>

namespace service {

namespace {

std::string joined(const std::vector<GeoPosition>& positions, double GeoPosition::*axis) {
    std::string out;
    for (const GeoPosition& p : positions) {
        char number[32];
        std::snprintf(number, sizeof number, "%.4f", p.*axis);
        if (!out.empty()) out += ',';
        out += number;
    }
    return out;
}

}  // namespace

std::string openMeteoTarget(const std::vector<GeoPosition>& positions, int days) {
    return "/v1/forecast?latitude=" + joined(positions, &GeoPosition::latitude) +
           "&longitude=" + joined(positions, &GeoPosition::longitude) +
           "&daily=weather_code,temperature_2m_max,temperature_2m_min,precipitation_sum,"
           "wind_speed_10m_max,wind_direction_10m_dominant"
           "&hourly=weather_code&timezone=Asia%2FShanghai&forecast_days=" +
           std::to_string(days);
}

}  // namespace service
