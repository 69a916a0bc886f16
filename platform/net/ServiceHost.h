#pragma once

// The one host every request goes to: "host[:port]" from TEVALO_SERVICE_HOST,
// else the value compiled in. Port 80 when none is given.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct ServiceHost {
    std::string host;  // name or address; an IPv6 address without brackets
    std::uint16_t port = 80;

    // "host:port", with brackets around an IPv6 address.
    std::string authority() const;
    bool operator==(const ServiceHost&) const = default;
};

// "example.org", "example.org:8080", "127.0.0.1:80", "[::1]:8080". Nothing for
// an empty host, a bad or zero port, or blanks and slashes in the text.
std::optional<ServiceHost> parseServiceHost(std::string_view text);

// The configured host: setServiceHost()'s value, else TEVALO_SERVICE_HOST,
// else the compiled-in default. An unusable TEVALO_SERVICE_HOST is reported on
// stderr once and the default is used.
ServiceHost serviceHost();

// Overrides the configured host for this process; nothing returns to the
// environment's host.
void setServiceHost(std::optional<ServiceHost> host);

}  // namespace platform
