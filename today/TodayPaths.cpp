#include "today/TodayPaths.h"

#include <filesystem>

#include "platform/device/DevicePath.h"
#include "platform/registry/Registry.h"
#include "platform/shell/ProgramStart.h"
#include "weather/CodeTables.h"

namespace today {
namespace {

constexpr std::u16string_view kPictureFolder = u"\\Program Files\\tevaloWeather\\tevalo\\";
// The value is read into a buffer of 520 bytes, terminator included.
constexpr std::size_t kMaxPathLength = 259;

std::string hostPathOf(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    path += name;
    return platform::hostPath(path).string();
}

}  // namespace

std::string weatherPicturePath(std::u16string_view name) {
    return hostPathOf(weather::kWeatherPictureFolder, name);
}

std::string picturePath(std::u16string_view name) {
    return hostPathOf(kPictureFolder, name);
}

std::optional<std::u16string> applicationPath() {
    const auto registry = platform::Registry::forDevice();
    auto path = registry.getString(platform::RegistryHive::CurrentUser, u"Software\\tevaloWeather",
                                   u"AppPath");
    if (!path) return std::nullopt;
    if (path->size() > kMaxPathLength) path->resize(kMaxPathLength);
    return path;
}

bool startProgram(std::u16string_view devicePath) {
    return platform::startProgram(devicePath);
}

}  // namespace today
