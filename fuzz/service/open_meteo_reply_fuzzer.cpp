// The upstream's forecast JSON read for one to three places, and every day it
// gives mapped to the product's day: no crash, no throw, codes in the tables.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "service/OpenMeteoReply.h"
#include "service/WeatherMapping.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t places = 1 + data[0] % 3;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto reply = service::parseOpenMeteoReply(text, places);
    if (reply.ok() != (reply.places.size() == places)) std::abort();
    for (const auto& place : reply.places)
        for (const auto& day : place.days)
            if (const auto weather = service::dayWeatherOf(day)) {
                if (weather->kindFirst < 0 || weather->kindFirst > 31) std::abort();
                if (weather->windDirection < 0 || weather->windDirection > 8) std::abort();
                if (weather->windForce < 0 || weather->windForce > 9) std::abort();
            }
    return 0;
}
