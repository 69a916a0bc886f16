#pragma once

// A CityDatabase.vol that cannot be read at all (cut short, a damaged header,
// not a volume) is set aside at start: renamed beside itself with the date, its
// rollback journal with it, never deleted, so that the user's data can still be
// recovered; a fresh volume with the empty user tables takes its place.

#include <filesystem>
#include <optional>

#include "platform/clock/Clock.h"
#include "store/Volumes.h"

namespace store {

struct VolumeRescue {
    // Where the damaged file now is; empty when it could not be renamed.
    std::filesystem::path setAside;
    // A fresh volume with the user tables is in place.
    bool freshVolume = false;
};

// Nothing when the volume is readable or absent; otherwise what was done.
std::optional<VolumeRescue> rescueDamagedCityVolume(const Volumes& volumes,
                                                    const platform::LocalTime& now);

// "CityDatabase.vol.damaged-20261207-093000", with "-2", "-3", ... when a file
// of that name exists already.
std::filesystem::path setAsideName(const std::filesystem::path& volume,
                                   const platform::LocalTime& now);

}  // namespace store
