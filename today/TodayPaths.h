#pragma once

// Where the item finds its pictures and the application it starts.

#include <optional>
#include <string>
#include <string_view>

namespace today {

// Host path of a picture of the weather picture folder.
std::string weatherPicturePath(std::u16string_view name);
// Host path of a picture of the product's picture folder.
std::string picturePath(std::u16string_view name);

// The application's device path as the installer registered it (`AppPath` of
// HKEY_CURRENT_USER "Software\tevaloWeather"); nothing when it cannot be read.
std::optional<std::u16string> applicationPath();
// Starts the program at a device path without arguments; false when it cannot be
// started.
bool startProgram(std::u16string_view devicePath);

}  // namespace today
