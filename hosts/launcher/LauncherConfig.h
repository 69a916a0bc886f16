#pragma once

// The launcher's small configuration file, $XDG_CONFIG_HOME/tevalo/tevalo.conf:
// which local forecast service tevalo starts when no --service is given.
//
//   # comment
//   service = stand-in | live

#include <filesystem>
#include <optional>
#include <string>

namespace launcher {

enum class ServiceMode { StandIn, Live };

struct LauncherConfig {
    ServiceMode mode = ServiceMode::StandIn;

    // Fills `error` (with the line number) and returns nothing on a line it does
    // not understand, so a mistyped file is told rather than ignored.
    static std::optional<LauncherConfig> parse(const std::string& text, std::string& error);
    // Reads the file; a missing file is the default configuration and is written
    // out (with its explanation) so the user finds it. `error` tells why the file
    // could not be read or written.
    static std::optional<LauncherConfig> load(const std::filesystem::path& file,
                                              std::string& error);
    static std::string defaultText();
};

const char* modeName(ServiceMode mode);

// $XDG_CONFIG_HOME/tevalo/tevalo.conf (XDG_CONFIG_HOME defaults to ~/.config).
std::filesystem::path configFile();

}  // namespace launcher
