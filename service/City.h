#pragma once

#include <optional>
#include <string>

namespace service {

// Where a place is on the map, in degrees (north and east positive).
struct GeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;
};

// One place the service has forecasts for: a city or a scenic spot, with what the
// weather generator needs to make its climate plausible.
struct City {
    std::string code;
    std::string name;
    std::string provinceName;
    std::string provincePrefix;  // the two leading digits of the division code
    double latitude = 32.0;
    double altitudeCooling = 0.0;  // degrees Celsius colder than the lowlands
    bool scenicSpot = false;
    // From coordinates.csv; what the live forecast source asks the upstream for.
    std::optional<GeoPosition> position;
};

}  // namespace service
