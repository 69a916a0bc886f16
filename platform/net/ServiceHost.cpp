#include "platform/net/ServiceHost.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace platform {
namespace {

std::mutex hostMutex;
std::optional<ServiceHost> hostOverride;

bool parsePort(std::string_view text, std::uint16_t& port) {
    if (text.empty() || text.size() > 5) return false;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value == 0 || value > 65535) return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

}  // namespace

std::string ServiceHost::authority() const {
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::optional<ServiceHost> parseServiceHost(std::string_view text) {
    if (text.find_first_of(" \t\r\n/\\?#@") != std::string_view::npos) return std::nullopt;
    ServiceHost result;
    std::string_view portText;
    if (!text.empty() && text.front() == '[') {
        const size_t close = text.find(']');
        if (close == std::string_view::npos) return std::nullopt;
        result.host = std::string(text.substr(1, close - 1));
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') return std::nullopt;
            portText = rest.substr(1);
            if (portText.empty()) return std::nullopt;
        }
    } else {
        const size_t colon = text.find(':');
        if (colon != std::string_view::npos &&
            text.find(':', colon + 1) != std::string_view::npos) {
            result.host = std::string(text);  // bare IPv6 address
        } else if (colon != std::string_view::npos) {
            result.host = std::string(text.substr(0, colon));
            portText = text.substr(colon + 1);
            if (portText.empty()) return std::nullopt;
        } else {
            result.host = std::string(text);
        }
    }
    if (result.host.empty()) return std::nullopt;
    if (!portText.empty() && !parsePort(portText, result.port)) return std::nullopt;
    return result;
}

ServiceHost serviceHost() {
    {
        std::lock_guard lock(hostMutex);
        if (hostOverride) return *hostOverride;
    }
    static const ServiceHost builtIn = *parseServiceHost(TEVALO_DEFAULT_SERVICE_HOST);
    const char* configured = std::getenv("TEVALO_SERVICE_HOST");
    if (!configured || !*configured) return builtIn;
    if (auto parsed = parseServiceHost(configured)) return *parsed;
    static std::once_flag warned;
    std::call_once(warned, [&] {
        std::fprintf(stderr, "TEVALO_SERVICE_HOST=\"%s\" is not host[:port]; using %s instead\n",
                     configured, builtIn.authority().c_str());
    });
    return builtIn;
}

void setServiceHost(std::optional<ServiceHost> host) {
    std::lock_guard lock(hostMutex);
    hostOverride = std::move(host);
}

}  // namespace platform
