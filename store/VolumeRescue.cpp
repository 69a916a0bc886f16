#include "store/VolumeRescue.h"

#include <cstdio>
#include <system_error>

#include "platform/propdb/PropDb.h"
#include "store/UserTables.h"

namespace store {

namespace fs = std::filesystem;
namespace propdb = platform::propdb;

namespace {

bool isThere(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

fs::path withSuffix(const fs::path& path, const char* suffix) {
    return fs::path(path.string() + suffix);
}

}  // namespace

fs::path setAsideName(const fs::path& volume, const platform::LocalTime& now) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, ".damaged-%04d%02d%02d-%02d%02d%02d", now.year, now.month,
                  now.day, now.hour, now.minute, now.second);
    const std::string base = volume.string() + stamp;
    fs::path name = base;
    for (int n = 2; isThere(name) || isThere(withSuffix(name, "-journal")); ++n)
        name = base + "-" + std::to_string(n);
    return name;
}

std::optional<VolumeRescue> rescueDamagedCityVolume(const Volumes& volumes,
                                                    const platform::LocalTime& now) {
    const fs::path& volume = volumes.cityDatabase;
    if (propdb::Volume::mount(volume, propdb::MountMode::OpenExisting) ||
        propdb::lastError() != propdb::kErrorBadFormat)
        return std::nullopt;  // readable, absent, or only busy for now

    VolumeRescue rescue;
    const fs::path aside = setAsideName(volume, now);
    std::error_code error;
    // The journal belongs to the damaged file: left behind, it would be rolled
    // into the fresh volume.
    const fs::path journal = withSuffix(volume, "-journal");
    if (isThere(journal)) fs::rename(journal, withSuffix(aside, "-journal"), error);
    if (!error) fs::rename(volume, aside, error);
    if (error) return rescue;
    rescue.setAside = aside;
    rescue.freshVolume = createUserTables(volumes);
    return rescue;
}

}  // namespace store
