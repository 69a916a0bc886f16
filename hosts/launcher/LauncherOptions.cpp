#include "hosts/launcher/LauncherOptions.h"

#include <algorithm>
#include <cctype>

namespace launcher {

bool isServiceAddress(const std::string& text) {
    const auto colon = text.find(':');
    const std::string host = text.substr(0, colon);
    if (host.empty() || std::any_of(host.begin(), host.end(), [](unsigned char c) {
            return std::isspace(c) || c == '/' || c == '\\' || c == '@' || c == '?' || c == '#';
        })) {
        return false;
    }
    if (colon == std::string::npos) return true;
    const std::string port = text.substr(colon + 1);
    if (port.empty() || port.size() > 5 ||
        !std::all_of(port.begin(), port.end(), [](unsigned char c) { return std::isdigit(c); })) {
        return false;
    }
    const int value = std::stoi(port);
    return value >= 1 && value <= 65535;
}

std::optional<LauncherOptions> LauncherOptions::parse(const std::vector<std::string>& args,
                                                      std::string& error) {
    LauncherOptions options;
    bool actionGiven = false;
    const auto setAction = [&](LauncherAction action, const std::string& name) {
        if (actionGiven) {
            error = name + " cannot be combined with another action";
            return false;
        }
        actionGiven = true;
        options.action = action;
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            options.applicationArguments.assign(args.begin() + static_cast<long>(i) + 1,
                                                args.end());
            break;
        }
        if (arg == "--service") {
            if (i + 1 >= args.size()) {
                error = "--service needs HOST[:PORT]";
                return std::nullopt;
            }
            options.service = args[++i];
            if (!isServiceAddress(options.service)) {
                error = "not a service address (HOST or HOST:PORT): " + options.service;
                return std::nullopt;
            }
        } else if (arg == "--remove") {
            if (!setAction(LauncherAction::Remove, arg)) return std::nullopt;
        } else if (arg == "--home") {
            if (!setAction(LauncherAction::Home, arg)) return std::nullopt;
        } else if (arg == "--help" || arg == "-h") {
            options.action = LauncherAction::Help;
            return options;
        } else if (arg == "--version") {
            options.action = LauncherAction::Version;
            return options;
        } else {
            error = "unknown argument: " + arg;
            return std::nullopt;
        }
    }
    if (options.action == LauncherAction::Remove &&
        (!options.service.empty() || !options.applicationArguments.empty())) {
        error = "--remove takes no other arguments";
        return std::nullopt;
    }
    if (options.action == LauncherAction::Home && !options.applicationArguments.empty()) {
        error = "--home passes no arguments to the application";
        return std::nullopt;
    }
    return options;
}

const char* LauncherOptions::usage() {
    return "usage: tevalo [--service HOST[:PORT]] [-- APPLICATION-ARGUMENTS...]\n"
           "       tevalo --home [--service HOST[:PORT]]\n"
           "       tevalo --remove\n"
           "\n"
           "Starts the forecast service and the 晴雨匣 application; the first start installs\n"
           "the application on your device ($XDG_DATA_HOME/tevalo/device). Without --service\n"
           "the local service runs in the mode set in $XDG_CONFIG_HOME/tevalo/tevalo.conf.\n"
           "  --home      run the home-screen weather item (started after login when chosen)\n"
           "  --remove    remove the installation; your cities, forecasts and settings stay\n"
           "  --version   print the version\n";
}

}  // namespace launcher
