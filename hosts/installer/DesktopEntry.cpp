#include "hosts/installer/DesktopEntry.h"

#include <QCryptographicHash>
#include <cstdlib>
#include <fstream>

#include "platform/device/DevicePath.h"

namespace installer {
namespace fs = std::filesystem;
namespace {

// Desktop entries quote arguments with double quotes and escape \ " ` $.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"' || c == '`' || c == '$') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

fs::path applicationsFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return fs::path(data) / "applications";
    }
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : ".") / ".local/share/applications";
}

fs::path desktopEntryFile() {
    const std::string root = platform::canonicalDeviceRoot().string();
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(root), QCryptographicHash::Sha1).toHex();
    return applicationsFolder() / ("tevalo-weather-" + digest.left(12).toStdString() + ".desktop");
}

bool writeDesktopEntry(const fs::path& program, const fs::path& icon) {
    std::error_code error;
    fs::create_directories(applicationsFolder(), error);
    std::ofstream out(desktopEntryFile(), std::ios::trunc);
    out << "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=晴雨匣\n"
           "GenericName=Weather Forecast\n"
           "Comment=天气预报、灾害预警与专业气象服务\n"
        << "Exec=env TEVALO_DEVICE_ROOT=" << quoted(platform::canonicalDeviceRoot().string()) << ' '
        << quoted(program.string()) << '\n';
    if (fs::exists(icon)) out << "Icon=" << icon.string() << '\n';
    out << "Categories=Utility;\n"
           "Terminal=false\n";
    out.close();
    return static_cast<bool>(out);
}

void removeDesktopEntry() {
    std::error_code error;
    fs::remove(desktopEntryFile(), error);
}

}  // namespace installer
