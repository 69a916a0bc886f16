#include "service/DataFolder.h"

#include <cstdlib>

namespace service {

std::string defaultDataFolder() {
    if (const char* folder = std::getenv("TEVALO_SERVICE_DATA"); folder && *folder) return folder;
    return TEVALO_SERVICE_DEFAULT_DATA;
}

}  // namespace service
