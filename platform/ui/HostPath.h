#pragma once

// Maps the phone paths the screens use ("\Program Files\tevaloWeather\tevalo\TQ.png")
// to files of this machine. The application installs the device layer's mapping
// at start; until then the device root is TEVALO_DEVICE_ROOT (or
// $XDG_DATA_HOME/tevalo/device) with "\" turned into "/".

#include <filesystem>
#include <functional>
#include <string>

namespace platform::ui {

using PathResolver = std::function<std::filesystem::path(std::u16string_view devicePath)>;

std::filesystem::path hostPath(std::u16string_view devicePath);
void setPathResolver(PathResolver resolver);  // empty: back to the built-in mapping

}  // namespace platform::ui
