#pragma once

// Whether the machine can reach the network, and the request for a data
// connection made before every exchange.

#include <chrono>
#include <string_view>

namespace platform {

// True when a non-loopback network interface is up, or when the service host
// is on this machine (a test or the local service stand-in). Without a host
// name, the configured service host is meant.
bool internetConnected();
bool internetConnected(std::string_view serviceHostName);

// Makes sure the service host can be reached: resolves its name, giving up
// after `timeout`. False when the name does not resolve in time.
bool requestConnection(std::chrono::milliseconds timeout);
bool requestConnection(std::string_view serviceHostName, std::chrono::milliseconds timeout);

// "localhost", 127.0.0.0/8 and ::1.
bool isLoopbackHost(std::string_view host);

}  // namespace platform
