#pragma once

#include <filesystem>

namespace store {

// Where the three volumes of the store live on the host. The program names them
// by their device paths; forDevice() maps those through the device root.
struct Volumes {
    std::filesystem::path cityDatabase;
    std::filesystem::path systemCityDatabase;
    std::filesystem::path rainfallCityDatabase;
    // The home-screen item mounts the three-day list and its update stamps
    // open-existing and never creates them.
    bool todayItem = false;

    static Volumes forDevice();
    static Volumes inFolder(const std::filesystem::path& folder);
};

inline constexpr char16_t kCityDatabasePath[] = u"\\Program Files\\tevaloWeather\\CityDatabase.vol";
inline constexpr char16_t kSystemCityDatabasePath[] =
    u"\\Program Files\\tevaloWeather\\SystemCityDatabase.vol";
inline constexpr char16_t kRainfallCityDatabasePath[] =
    u"\\Program Files\\tevaloWeather\\RainfallCityDatabase.vol";

}  // namespace store
