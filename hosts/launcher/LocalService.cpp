#include "hosts/launcher/LocalService.h"

#include <cctype>
#include <cstdio>

namespace launcher {
namespace {

// A slow machine may take a while to load the city table.
constexpr int kStartTimeoutMs = 30000;

bool isPort(const std::string& line) {
    if (line.empty() || line.size() > 5) return false;
    for (unsigned char c : line) {
        if (!std::isdigit(c)) return false;
    }
    return true;
}

}  // namespace

bool LocalService::startOnce(ServiceMode mode) {
    std::vector<std::string> arguments{"--host", "127.0.0.1", "--port", "0"};
    if (mode == ServiceMode::Live) {
        arguments.insert(arguments.end(), {"--source", "open-meteo"});
    }
    if (!process_.start(program_.string(), arguments, true)) {
        error_ = process_.error();
        return false;
    }
    const std::string port = process_.readLine(kStartTimeoutMs);
    if (!isPort(port)) {
        process_.stop();
        error_ = program_.string() + " did not start (exit code " +
                 std::to_string(process_.exitCode()) + ")";
        return false;
    }
    mode_ = mode;
    address_ = "127.0.0.1:" + port;
    return true;
}

bool LocalService::start(ServiceMode mode) {
    if (startOnce(mode)) return true;
    // A service without live forecasts refuses --source with its usage (code 2).
    if (mode == ServiceMode::Live && process_.exitCode() == 2) {
        std::fprintf(stderr,
                     "tevalo: this tevalo-service offers no live forecasts; starting the "
                     "stand-in instead\n");
        return startOnce(ServiceMode::StandIn);
    }
    return false;
}

}  // namespace launcher
