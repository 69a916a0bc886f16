#include "hosts/launcher/InstallRecord.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/device/DevicePath.h"

namespace launcher {
namespace fs = std::filesystem;

InstallRecord::InstallRecord(fs::path file, fs::path deviceRoot, std::string version)
    : file_(std::move(file)),
      deviceRoot_(platform::canonicalRoot(deviceRoot)),
      version_(std::move(version)) {}

std::string InstallRecord::text() const {
    return "device=" + deviceRoot_.string() + "\nversion=" + version_ + "\n";
}

bool InstallRecord::current(const fs::path& installedProgram) const {
    std::error_code error;
    if (!fs::is_regular_file(installedProgram, error)) return false;
    std::ifstream in(file_, std::ios::binary);
    std::stringstream stored;
    stored << in.rdbuf();
    return in.is_open() && stored.str() == text();
}

bool InstallRecord::remember() const {
    std::error_code error;
    fs::create_directories(file_.parent_path(), error);
    std::ofstream out(file_, std::ios::trunc | std::ios::binary);
    out << text();
    out.close();
    return static_cast<bool>(out);
}

void InstallRecord::forget() const {
    std::error_code error;
    fs::remove(file_, error);
}

fs::path InstallRecord::defaultFile() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return fs::path(data) / "tevalo" / "installed";
    }
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "tevalo" / "installed";
}

}  // namespace launcher
