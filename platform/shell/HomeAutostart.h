#pragma once

// The login entry of the home-screen weather item: an XDG autostart file
// ($XDG_CONFIG_HOME/autostart/tevalo-weather-home.desktop) that starts the item
// after login, so its daily update and the warning fetches happen without the
// application being open. It runs the launcher with --home (the launcher that
// started this program, from TEVALO_LAUNCHER, else "tevalo" on the PATH) on
// this program's device.

#include <filesystem>
#include <string>

namespace platform {

class HomeAutostart final {
public:
    HomeAutostart();

    // Writes (enabled) or removes (not enabled) the entry. False when the file
    // could not be written or removed.
    bool set(bool enabled) const;
    bool present() const;

    const std::filesystem::path& file() const { return file_; }
    // The entry's text as written.
    std::string entryText() const;

private:
    std::filesystem::path file_;
};

}  // namespace platform
