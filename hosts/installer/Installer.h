#pragma once

// The device's package installer for this product: install copies the payload
// into "\Program Files\tevaloWeather" between the hook's Install_Init and
// Install_Exit and undoes the copy when the hook asks; remove runs the removal
// hooks and deletes the files it installed, keeping the user's volumes.

#include <filesystem>
#include <string>

#include "platform/setup/SetupHook.h"

namespace installer {

enum class InstallOutcome {
    Installed,
    Cancelled,  // Install_Init said no; nothing was copied
    Undone,     // Install_Exit asked for the undo; the device is as before
    Failed,     // no payload or no usable hook; nothing was changed
};

inline constexpr std::u16string_view kInstallFolder = u"\\Program Files\\tevaloWeather";
inline constexpr std::u16string_view kPackage = u"tevaloWeather";

class Installer final {
public:
    // host may be null (the hook then uses the platform's fallback messages).
    Installer(tevalo_setup_window parent, const tevalo_setup_host* host);

    InstallOutcome install(const std::filesystem::path& payload);
    // Whether install adds a desktop menu entry for the device (the default). A
    // system package brings its own entry and switches this off.
    void setMenuEntry(bool add) { menuEntry_ = add; }
    bool remove();

    // Why the last call failed, for the user.
    const std::string& error() const { return error_; }

private:
    tevalo_setup_window parent_;
    const tevalo_setup_host* host_;
    std::string error_;
    bool menuEntry_ = true;
};

// Host file of the hook library kept on the device for removal.
std::u16string keptHookPath();

}  // namespace installer
