#include "service/WeatherMapping.h"

#include <array>
#include <cmath>

#include "service/IndexTexts.h"
#include "service/LocalTime.h"

namespace service {

namespace {

// Kind codes of the product's weather table.
enum Kind : int {
    Clear = 0,
    Cloudy = 1,
    Overcast = 2,
    Showers = 3,
    Thunderstorm = 4,
    ThunderstormHail = 5,
    LightRain = 7,
    ModerateRain = 8,
    HeavyRain = 9,
    Rainstorm = 10,
    HeavyRainstorm = 11,
    ExtremeRainstorm = 12,
    SnowShowers = 13,
    LightSnow = 14,
    ModerateSnow = 15,
    HeavySnow = 16,
    Fog = 18,
    FreezingRain = 19,
};

constexpr std::array<WmoKind, 28> kWmoKinds{{
    {0, Clear, "clear sky"},
    {1, Clear, "mainly clear"},
    {2, Cloudy, "partly cloudy"},
    {3, Overcast, "overcast"},
    {45, Fog, "fog"},
    {48, Fog, "depositing rime fog"},
    {51, LightRain, "light drizzle"},
    {53, LightRain, "moderate drizzle"},
    {55, LightRain, "dense drizzle"},
    {56, FreezingRain, "light freezing drizzle"},
    {57, FreezingRain, "dense freezing drizzle"},
    {61, LightRain, "slight rain"},
    {63, ModerateRain, "moderate rain"},
    {65, HeavyRain, "heavy rain"},
    {66, FreezingRain, "light freezing rain"},
    {67, FreezingRain, "heavy freezing rain"},
    {71, LightSnow, "slight snow fall"},
    {73, ModerateSnow, "moderate snow fall"},
    {75, HeavySnow, "heavy snow fall"},
    {77, LightSnow, "snow grains"},
    {80, Showers, "slight rain showers"},
    {81, Showers, "moderate rain showers"},
    {82, Showers, "violent rain showers"},
    {85, SnowShowers, "slight snow showers"},
    {86, SnowShowers, "heavy snow showers"},
    {95, Thunderstorm, "thunderstorm"},
    {96, ThunderstormHail, "thunderstorm with slight hail"},
    {99, ThunderstormHail, "thunderstorm with heavy hail"},
}};

// The lowest speed of Beaufort forces 1 to 12, metres per second.
constexpr std::array<double, 12> kBeaufortFloors{0.3,  1.6,  3.4,  5.5,  8.0,  10.8,
                                                 13.9, 17.2, 20.8, 24.5, 28.5, 32.7};

// Rain kinds by the day's total, the national scale of daily rainfall.
struct RainBand {
    double fromMm;
    int kind;
};
constexpr std::array<RainBand, 6> kRainBands{{{250.0, ExtremeRainstorm},
                                              {100.0, HeavyRainstorm},
                                              {50.0, Rainstorm},
                                              {25.0, HeavyRain},
                                              {10.0, ModerateRain},
                                              {0.0, LightRain}}};

std::optional<LocalTime> dateOf(const std::string& text) {
    auto date = parseIsoTime(text);
    if (!date || text.size() != 10) return std::nullopt;
    return date;
}

}  // namespace

std::span<const WmoKind> wmoKinds() {
    return kWmoKinds;
}

int kindOfWmo(int wmo) {
    for (const WmoKind& row : kWmoKinds)
        if (row.wmo == wmo) return row.kind;
    return kNoWeatherKind;
}

int kindForRainfall(int kind, double rainfallMm) {
    if (kind != LightRain && kind != ModerateRain && kind != HeavyRain) return kind;
    for (const RainBand& band : kRainBands)
        if (rainfallMm >= band.fromMm) return band.kind > kind ? band.kind : kind;
    return kind;
}

int beaufortForce(double metresPerSecond) {
    // Speeds are compared at the tenth the scale is written in, so that 1.55
    // is force 2 rather than falling between 1.5 and 1.6.
    const double speed = std::round(metresPerSecond * 10.0) / 10.0;
    int force = 0;
    for (const double floor : kBeaufortFloors)
        if (speed >= floor - 1e-9) ++force;
    return force;
}

int forceCodeOf(double metresPerSecond) {
    const int force = beaufortForce(metresPerSecond);
    if (force < 3) return 0;
    return force - 2 > 9 ? 9 : force - 2;
}

int directionCodeOf(std::optional<double> degrees, double metresPerSecond) {
    if (!degrees || !std::isfinite(*degrees) || beaufortForce(metresPerSecond) == 0)
        return kCalmDirection;
    double from = std::fmod(*degrees, 360.0);
    if (from < 0) from += 360.0;
    // Sector 0 is north (337.5 up to 22.5), then clockwise in steps of 45.
    const int sector = static_cast<int>(std::floor((from + 22.5) / 45.0)) % 8;
    return sector == 0 ? 8 : sector;
}

std::optional<double> toMetresPerSecond(double value, std::string_view unit) {
    if (unit == "m/s" || unit == "ms") return value;
    if (unit == "km/h" || unit == "kmh") return value / 3.6;
    if (unit == "mp/h" || unit == "mph") return value * 0.44704;
    if (unit == "kn") return value * 0.514444;
    return std::nullopt;
}

std::optional<DayWeather> dayWeatherOf(const UpstreamDay& day) {
    const auto date = dateOf(day.date);
    const std::optional<int> first = day.firstHalfCode ? day.firstHalfCode : day.weatherCode;
    const std::optional<int> then = day.secondHalfCode ? day.secondHalfCode : day.weatherCode;
    if (!date || !first || !then || !day.low || !day.high || !day.windSpeedMs ||
        !day.precipitationMm)
        return std::nullopt;
    // Temperatures no place on earth has are a broken reply, not weather.
    const auto earthly = [](double celsius) { return celsius > -100.0 && celsius < 100.0; };
    if (!earthly(*day.low) || !earthly(*day.high)) return std::nullopt;
    DayWeather out;
    out.month = date->month;
    out.day = date->day;
    out.rainfallMm = *day.precipitationMm < 0 ? 0 : *day.precipitationMm;
    out.kindFirst = kindForRainfall(kindOfWmo(*first), out.rainfallMm);
    out.kindThen = kindForRainfall(kindOfWmo(*then), out.rainfallMm);
    out.low = static_cast<int>(std::lround(*day.low));
    out.high = static_cast<int>(std::lround(*day.high));
    out.windDirection = directionCodeOf(day.windFromDegrees, *day.windSpeedMs);
    out.windForce = forceCodeOf(*day.windSpeedMs);
    wordIndexTexts(out);
    return out;
}

}  // namespace service
