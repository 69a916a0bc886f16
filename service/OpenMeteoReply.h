#pragma once

// Reads the upstream's forecast JSON: one object for one place, an array of
// objects (in request order) for several, or {"error": true, "reason": "..."}.
// Pure; never throws.

#include <string>
#include <string_view>
#include <vector>

#include "service/UpstreamForecast.h"

namespace service {

struct OpenMeteoReply {
    std::vector<UpstreamForecast> places;
    std::string error;  // empty when `places` holds one forecast per requested place

    bool ok() const { return error.empty(); }
};

OpenMeteoReply parseOpenMeteoReply(std::string_view json, size_t requestedPlaces);

}  // namespace service
