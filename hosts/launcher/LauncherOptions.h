#pragma once

// The command line of tevalo, the command a user runs:
//   tevalo [--service HOST[:PORT]] [-- APPLICATION-ARGUMENTS...]
//   tevalo --home [--service HOST[:PORT]]
//   tevalo --remove

#include <optional>
#include <string>
#include <vector>

namespace launcher {

enum class LauncherAction { Run, Home, Remove, Help, Version };

struct LauncherOptions {
    LauncherAction action = LauncherAction::Run;
    std::string service;  // HOST[:PORT]; empty: the local service of the configured mode
    std::vector<std::string> applicationArguments;

    // Fills `error` and returns nothing when the command line is wrong.
    static std::optional<LauncherOptions> parse(const std::vector<std::string>& args,
                                                std::string& error);
    static const char* usage();
};

// True for "host" and "host:port" with a port from 1 to 65535; the host has no
// spaces, slashes or further colons.
bool isServiceAddress(const std::string& text);

}  // namespace launcher
