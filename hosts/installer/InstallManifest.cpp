#include "hosts/installer/InstallManifest.h"

#include <filesystem>
#include <fstream>

#include "platform/device/DevicePath.h"
#include "platform/text/Utf.h"

namespace installer {

InstallManifest::InstallManifest(std::u16string package)
    : path_(u"\\Windows\\AppMgr\\" + package + u".files") {}

std::vector<std::u16string> InstallManifest::load() const {
    std::vector<std::u16string> paths;
    std::ifstream in(platform::hostPath(path_));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) paths.push_back(platform::fromUtf8(line));
    }
    return paths;
}

bool InstallManifest::save(const std::vector<std::u16string>& devicePaths) const {
    const auto file = platform::hostPath(path_);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::trunc);
    for (const auto& path : devicePaths) out << platform::toUtf8(path) << '\n';
    out.close();
    return static_cast<bool>(out);
}

void InstallManifest::erase() const {
    std::error_code error;
    std::filesystem::remove(platform::hostPath(path_), error);
}

}  // namespace installer
