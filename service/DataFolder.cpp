#include "service/DataFolder.h"

#include <cstdlib>
#include <filesystem>

namespace service {

std::string defaultDataFolder() {
    if (const char* folder = std::getenv("TEVALO_SERVICE_DATA"); folder && *folder) return folder;
    // Installed from the system package: /usr/bin/tevalo-service reads
    // /usr/share/tevalo-weather/data.
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto packaged = self.parent_path().parent_path() / "share" / "tevalo-weather" / "data";
    if (!error && std::filesystem::is_directory(packaged, error)) return packaged.string();
    return TEVALO_SERVICE_DEFAULT_DATA;
}

}  // namespace service
