#include "platform/shell/HomeAutostart.h"

#include <cstdlib>
#include <fstream>

#include "platform/device/DevicePath.h"

namespace platform {
namespace fs = std::filesystem;
namespace {

fs::path configHome() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) return config;
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".config";
}

// An Exec argument in double quotes: \ " ` $ take a backslash, and the value's
// own escaping doubles every backslash again (a literal backslash is four).
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\') {
            out += "\\\\\\\\";
        } else {
            if (c == '"' || c == '`' || c == '$') out += "\\\\";
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

HomeAutostart::HomeAutostart()
    : file_(configHome() / "autostart" / "tevalo-weather-home.desktop") {}

std::string HomeAutostart::entryText() const {
    const char* launcher = std::getenv("TEVALO_LAUNCHER");
    const std::string program = launcher && *launcher ? launcher : "tevalo";
    const std::string device = canonicalDeviceRoot().string();
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=晴雨匣桌面天气\n"
           "Name[en]=Tevalo Weather home item\n"
           "Comment=在桌面显示天气，并每天自动更新\n"
           "Comment[en]=Shows the forecast on the desktop and updates it daily\n"
           "Exec=env TEVALO_DEVICE_ROOT=" +
           quoted(device) + " " + quoted(program) +
           " --home\n"
           "Icon=tevalo-weather\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool HomeAutostart::set(bool enabled) const {
    std::error_code error;
    if (!enabled) {
        fs::remove(file_, error);
        return !error;
    }
    fs::create_directories(file_.parent_path(), error);
    const fs::path partial = file_.string() + ".new";
    {
        std::ofstream out(partial, std::ios::trunc | std::ios::binary);
        out << entryText();
        out.close();
        if (!out) {
            fs::remove(partial, error);
            return false;
        }
    }
    fs::rename(partial, file_, error);
    return !error;
}

bool HomeAutostart::present() const {
    std::error_code error;
    return fs::is_regular_file(file_, error);
}

}  // namespace platform
