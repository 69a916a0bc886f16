#pragma once

// The phone's file system lives in one host folder, the device root. Product
// code keeps phone paths ("\Program Files\tevaloWeather\CityDatabase.vol");
// this is the only place that turns them into host paths.

#include <filesystem>
#include <string_view>

namespace platform {

// The install folder of the product on the device, with its trailing backslash.
inline constexpr std::u16string_view kInstallFolder = u"\\Program Files\\tevaloWeather\\";

enum class SpecialFolder {
    Programs,  // "\Windows\Start Menu\Programs"
    Windows,   // "\Windows"
};

// Phone path of a special folder, without a trailing backslash.
std::u16string_view specialFolderPath(SpecialFolder folder);

// $TEVALO_DEVICE_ROOT, else $XDG_DATA_HOME/tevalo/device, else
// ~/.local/share/tevalo/device. A root set with setDeviceRoot() wins.
std::filesystem::path deviceRoot();

// The device root in its one spelling: absolute, with symbolic links resolved
// and no "." or ".." parts or trailing separator. "dev", "dev/", "./dev" and a
// link to it are one device; whatever identifies a device keys on this.
std::filesystem::path canonicalDeviceRoot();

// `root` in that one spelling.
std::filesystem::path canonicalRoot(const std::filesystem::path& root);

// Replaces the device root for this process (tests); an empty path returns to
// the environment's root.
void setDeviceRoot(const std::filesystem::path& root);

// Host path of a phone path. Backslashes and slashes both separate components;
// the path is taken from the device root whether or not it starts with a
// separator. Components are matched case-insensitively against what exists,
// as the phone's file system does; components that do not exist yet keep
// their spelling. "." and ".." components are dropped, so the result never
// leaves the device root.
std::filesystem::path hostPath(std::u16string_view devicePath);

// Phone path of a host path inside the device root ("\" + components joined by
// "\"); empty when the host path lies outside the root.
std::u16string devicePath(const std::filesystem::path& host);

}  // namespace platform
