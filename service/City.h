#pragma once

#include <string>

namespace service {

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
};

}  // namespace service
