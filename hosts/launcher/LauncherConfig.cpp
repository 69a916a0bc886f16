#include "hosts/launcher/LauncherConfig.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace launcher {
namespace fs = std::filesystem;
namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

const char* modeName(ServiceMode mode) {
    return mode == ServiceMode::Live ? "live" : "stand-in";
}

std::string LauncherConfig::defaultText() {
    return "# Settings of tevalo, the 晴雨匣 launcher.\n"
           "#\n"
           "# The forecast service tevalo starts on this computer when it is not given\n"
           "# --service HOST[:PORT]:\n"
           "#   stand-in  generated forecasts and warnings for every city (works offline)\n"
           "#   live      real forecasts fetched from Open-Meteo (needs the internet and a\n"
           "#             tevalo-service that offers --source open-meteo)\n"
           "service = stand-in\n";
}

std::optional<LauncherConfig> LauncherConfig::parse(const std::string& text, std::string& error) {
    LauncherConfig config;
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        line = trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        const auto equals = line.find('=');
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value =
            equals == std::string::npos ? std::string() : trimmed(line.substr(equals + 1));
        if (key != "service" || equals == std::string::npos) {
            error = "line " + std::to_string(number) + ": expected \"service = stand-in|live\"";
            return std::nullopt;
        }
        if (value == "stand-in") {
            config.mode = ServiceMode::StandIn;
        } else if (value == "live") {
            config.mode = ServiceMode::Live;
        } else {
            error = "line " + std::to_string(number) + ": unknown service mode \"" + value +
                    "\" (stand-in or live)";
            return std::nullopt;
        }
    }
    return config;
}

std::optional<LauncherConfig> LauncherConfig::load(const fs::path& file, std::string& error) {
    std::error_code code;
    if (!fs::exists(file, code)) {
        fs::create_directories(file.parent_path(), code);
        std::ofstream out(file);
        out << defaultText();
        out.close();
        if (!out) error = "cannot write " + file.string();
        return LauncherConfig{};
    }
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) {
        error = "cannot read " + file.string();
        return std::nullopt;
    }
    std::string why;
    auto config = parse(text.str(), why);
    if (!config) error = file.string() + ": " + why;
    return config;
}

fs::path configFile() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        return fs::path(config) / "tevalo" / "tevalo.conf";
    }
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".config" / "tevalo" / "tevalo.conf";
}

}  // namespace launcher
