#include "service/OpenMeteoReply.h"

#include <map>
#include <nlohmann/json.hpp>

#include "service/WeatherMapping.h"

namespace service {

namespace {

using nlohmann::json;

const json& member(const json& object, const char* name) {
    static const json kNull;
    if (!object.is_object()) return kNull;
    const auto it = object.find(name);
    return it == object.end() ? kNull : *it;
}

std::optional<double> numberAt(const json& array, size_t i) {
    if (!array.is_array() || i >= array.size() || !array[i].is_number()) return std::nullopt;
    return array[i].get<double>();
}

// WMO codes are small whole numbers; anything else is no code.
std::optional<int> codeAt(const json& array, size_t i) {
    const auto value = numberAt(array, i);
    if (!value || !(*value >= 0.0 && *value <= 1000.0)) return std::nullopt;
    return static_cast<int>(*value);
}

struct Halves {
    std::optional<int> first;
    std::optional<int> second;
};

// The most severe weather code (the highest WMO number) of each half of each
// date, from "hourly": {"time": ["2026-12-08T00:00", ...], "weather_code": [...]}.
std::map<std::string, Halves> halvesOf(const json& hourly) {
    std::map<std::string, Halves> out;
    const json& times = member(hourly, "time");
    const json& codes = member(hourly, "weather_code");
    if (!times.is_array()) return out;
    for (size_t i = 0; i < times.size(); ++i) {
        if (!times[i].is_string()) continue;
        const std::string& time = times[i].get_ref<const std::string&>();
        const auto code = codeAt(codes, i);
        if (time.size() < 13 || !code) continue;
        const int hour = (time[11] - '0') * 10 + (time[12] - '0');
        auto& half = hour < 12 ? out[time.substr(0, 10)].first : out[time.substr(0, 10)].second;
        if (!half || *code > *half) half = code;
    }
    return out;
}

std::string readPlace(const json& place, UpstreamForecast& out) {
    if (!place.is_object()) return "a place is not a JSON object";
    const json& daily = member(place, "daily");
    const json& times = member(daily, "time");
    if (!times.is_array()) return "no daily.time in the reply";
    const json& units = member(place, "daily_units");
    const json& windUnit = member(units, "wind_speed_10m_max");
    const std::string unit = windUnit.is_string() ? windUnit.get<std::string>() : "km/h";
    const auto halves = halvesOf(member(place, "hourly"));
    for (size_t i = 0; i < times.size(); ++i) {
        UpstreamDay day;
        if (times[i].is_string()) day.date = times[i].get<std::string>();
        day.weatherCode = codeAt(member(daily, "weather_code"), i);
        day.high = numberAt(member(daily, "temperature_2m_max"), i);
        day.low = numberAt(member(daily, "temperature_2m_min"), i);
        day.precipitationMm = numberAt(member(daily, "precipitation_sum"), i);
        day.windFromDegrees = numberAt(member(daily, "wind_direction_10m_dominant"), i);
        if (const auto speed = numberAt(member(daily, "wind_speed_10m_max"), i)) {
            day.windSpeedMs = toMetresPerSecond(*speed, unit);
            if (!day.windSpeedMs) return "unknown wind speed unit " + unit;
        }
        if (const auto it = halves.find(day.date); it != halves.end()) {
            day.firstHalfCode = it->second.first;
            day.secondHalfCode = it->second.second;
        }
        out.days.push_back(std::move(day));
    }
    return {};
}

}  // namespace

OpenMeteoReply parseOpenMeteoReply(std::string_view text, size_t requestedPlaces) {
    OpenMeteoReply reply;
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded()) {
        reply.error = "malformed JSON";
        return reply;
    }
    if (const json& flag = member(document, "error"); flag.is_boolean() && flag.get<bool>()) {
        const json& reason = member(document, "reason");
        reply.error = "upstream error: " +
                      (reason.is_string() ? reason.get<std::string>() : std::string("no reason"));
        return reply;
    }
    std::vector<const json*> places;
    if (document.is_array()) {
        for (const json& place : document) places.push_back(&place);
    } else {
        places.push_back(&document);
    }
    if (places.size() != requestedPlaces) {
        reply.error = std::to_string(places.size()) + " places in the reply for " +
                      std::to_string(requestedPlaces) + " requested";
        return reply;
    }
    for (const json* place : places) {
        UpstreamForecast forecast;
        if (std::string problem = readPlace(*place, forecast); !problem.empty()) {
            reply.error = std::move(problem);
            reply.places.clear();
            return reply;
        }
        reply.places.push_back(std::move(forecast));
    }
    return reply;
}

}  // namespace service
