#include "hosts/installer/InstallManifest.h"

#include <filesystem>
#include <fstream>

#include "platform/device/DevicePath.h"
#include "platform/text/Utf.h"

namespace installer {
namespace {

constexpr char kHeader[] = "tevalo-manifest 2";

bool needsEscape(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '%';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

InstallManifest::InstallManifest(std::u16string package)
    : path_(u"\\Windows\\AppMgr\\" + package + u".files") {}

std::string InstallManifest::encode(std::u16string_view devicePath) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line;
    for (const char c : platform::toUtf8(devicePath)) {
        const auto byte = static_cast<unsigned char>(c);
        if (needsEscape(byte)) {
            line += '%';
            line += kHex[byte >> 4];
            line += kHex[byte & 0xF];
        } else {
            line += c;
        }
    }
    return line;
}

std::u16string InstallManifest::decode(std::string_view line) {
    std::string utf8;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool hasTwoMore = i + 2 < line.size();
        const int high = hasTwoMore ? hexValue(line[i + 1]) : -1;
        const int low = hasTwoMore ? hexValue(line[i + 2]) : -1;
        if (line[i] == '%' && high >= 0 && low >= 0) {
            utf8 += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            utf8 += line[i];
        }
    }
    return platform::fromUtf8(utf8);
}

std::vector<std::u16string> InstallManifest::load() const {
    std::vector<std::u16string> paths;
    std::ifstream in(platform::hostPath(path_));
    std::string line;
    if (!std::getline(in, line)) return paths;
    const bool escaped = line == kHeader;
    if (!escaped && !line.empty()) paths.push_back(platform::fromUtf8(line));
    while (std::getline(in, line)) {
        if (!line.empty()) paths.push_back(escaped ? decode(line) : platform::fromUtf8(line));
    }
    return paths;
}

bool InstallManifest::save(const std::vector<std::u16string>& devicePaths) const {
    const auto file = platform::hostPath(path_);
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    std::ofstream out(file, std::ios::trunc);
    out << kHeader << '\n';
    for (const auto& path : devicePaths) out << encode(path) << '\n';
    out.close();
    return static_cast<bool>(out);
}

void InstallManifest::erase() const {
    std::error_code error;
    std::filesystem::remove(platform::hostPath(path_), error);
}

}  // namespace installer
