#include "store/Volumes.h"

#include "platform/device/DevicePath.h"

namespace store {

Volumes Volumes::forDevice() {
    return {platform::hostPath(kCityDatabasePath), platform::hostPath(kSystemCityDatabasePath),
            platform::hostPath(kRainfallCityDatabasePath), false};
}

Volumes Volumes::inFolder(const std::filesystem::path& folder) {
    return {folder / "CityDatabase.vol", folder / "SystemCityDatabase.vol",
            folder / "RainfallCityDatabase.vol", false};
}

}  // namespace store
