#include "service/ServiceOptions.h"

#include <charconv>

#include "service/DataFolder.h"

namespace service {

namespace {

std::optional<int> numberIn(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

const char* ServiceOptions::usage() {
    return "usage: tevalo-service [--host 127.0.0.1] [--port N | --port 0] [--data DIR]\n"
           "                      [--log FILE] [--fault PREFIX=KIND[,ms=N][,bytes=N][,times=N]]\n"
           "                      [--clock YYYY-MM-DDThh:mm:ss] [--threads N]\n"
           "                      [--source stand-in|open-meteo] [--upstream URL]\n"
           "                      [--cache-minutes N]\n"
           "fault kinds: 0, -1, html, html-once, slow, long, cut, close, 500\n"
           "--source open-meteo answers forecasts from the upstream (default\n"
           "https://api.open-meteo.com), each place asked for once per --cache-minutes\n"
           "(default 30); warnings and reports then have nothing new.\n";
}

std::optional<ServiceOptions> ServiceOptions::parse(const std::vector<std::string>& args,
                                                    std::string& error) {
    ServiceOptions options;
    options.dataFolder = defaultDataFolder();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "-h" || name == "--help") {
            options.help = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = name.starts_with("--") ? name + " needs a value" : "unknown argument " + name;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (name == "--host") {
            options.host = value;
        } else if (name == "--port") {
            const auto port = numberIn(value, 0, 65535);
            if (!port) {
                error = "--port takes 0 to 65535";
                return std::nullopt;
            }
            options.port = *port;
        } else if (name == "--data") {
            options.dataFolder = value;
        } else if (name == "--log") {
            options.logFile = value;
        } else if (name == "--threads") {
            const auto threads = numberIn(value, 1, 1024);
            if (!threads) {
                error = "--threads takes 1 to 1024";
                return std::nullopt;
            }
            options.threads = *threads;
        } else if (name == "--clock") {
            options.clockStart = parseIsoTime(value);
            if (!options.clockStart) {
                error = "--clock takes YYYY-MM-DDThh:mm:ss";
                return std::nullopt;
            }
        } else if (name == "--source") {
            if (value != "stand-in" && value != "open-meteo") {
                error = "--source takes stand-in or open-meteo";
                return std::nullopt;
            }
            options.live = value == "open-meteo";
        } else if (name == "--upstream") {
            if (!(value.starts_with("http://") || value.starts_with("https://")) ||
                value.find_first_of(" ?#") != std::string::npos || value.size() <= 8) {
                error = "--upstream takes an http:// or https:// URL without query";
                return std::nullopt;
            }
            options.upstream = value;
        } else if (name == "--cache-minutes") {
            const auto minutes = numberIn(value, 0, 1440);
            if (!minutes) {
                error = "--cache-minutes takes 0 to 1440";
                return std::nullopt;
            }
            options.cacheMinutes = *minutes;
        } else if (name == "--fault") {
            const size_t equals = value.find('=');
            const auto fault =
                equals == std::string::npos ? std::nullopt : Fault::parse(value.substr(equals + 1));
            if (!fault || equals == 0) {
                error = "--fault takes PREFIX=KIND[,ms=N][,bytes=N][,times=N]";
                return std::nullopt;
            }
            options.faults.emplace_back(value.substr(0, equals), *fault);
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace service
