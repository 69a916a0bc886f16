#pragma once

// How an upstream forecast day becomes the product's day: WMO weather codes to
// weather kinds, wind directions in degrees to the eight directions, wind
// speeds to Beaufort forces and force codes. The one place of these rules; the
// README's table is copied from here.

#include <optional>
#include <span>
#include <string_view>

#include "service/DayWeather.h"
#include "service/UpstreamForecast.h"

namespace service {

// The kind with an empty text and no picture: shown when the upstream's code is
// missing or unknown, rather than a made-up weather.
inline constexpr int kNoWeatherKind = 25;
inline constexpr int kCalmDirection = 0;

struct WmoKind {
    int wmo;
    int kind;
    const char* meaning;  // the WMO code's meaning, for the README and tests
};

// Every WMO code the upstream uses, with its kind.
std::span<const WmoKind> wmoKinds();

// The kind of a WMO code; kNoWeatherKind for a code outside the table.
int kindOfWmo(int wmo);

// Rain heavier than its code says by the day's total (50 mm and more is a
// rainstorm): 小雨, 中雨 and 大雨 become 暴雨, 大暴雨 or 特大暴雨.
int kindForRainfall(int kind, double rainfallMm);

// The Beaufort force (0 to 12) of a wind speed in metres per second.
int beaufortForce(double metresPerSecond);

// The product's force code: 0 "微风" below force 3, 1 "三到四级" at force 3,
// up to 9 "十一到十二级" at force 11 and above.
int forceCodeOf(double metresPerSecond);

// The direction code (1 东北风 .. 8 北风) of the direction the wind comes from, in
// eight sectors of 45 degrees centred on the compass points; kCalmDirection
// when there is no direction or the air is calm (Beaufort 0).
int directionCodeOf(std::optional<double> degrees, double metresPerSecond);

// A wind speed in the unit the upstream names ("km/h", "m/s", "mp/h", "kn") as
// metres per second; nothing for an unknown unit.
std::optional<double> toMetresPerSecond(double value, std::string_view unit);

// The product's day, or nothing when the upstream left out a value the day
// needs (weather code, either temperature, wind speed or precipitation) or
// sent a temperature beyond ±100 °C.
std::optional<DayWeather> dayWeatherOf(const UpstreamDay& day);

}  // namespace service
