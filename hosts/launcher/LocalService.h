#pragma once

// The forecast service the launcher runs on this computer: tevalo-service on an
// ephemeral loopback port, in the configured mode. Live mode needs a service
// that offers live forecasts; when the installed one does not, the stand-in
// runs instead and the user is told.

#include <filesystem>
#include <string>

#include "hosts/launcher/ChildProcess.h"
#include "hosts/launcher/LauncherConfig.h"

namespace launcher {

class LocalService final {
public:
    explicit LocalService(std::filesystem::path program) : program_(std::move(program)) {}

    // Starts the service; false (and `error()`) when it does not come up.
    bool start(ServiceMode mode);
    // "127.0.0.1:port" once started.
    const std::string& address() const { return address_; }
    ServiceMode mode() const { return mode_; }
    pid_t pid() const { return process_.pid(); }
    void stop() { process_.stop(); }
    const std::string& error() const { return error_; }

private:
    bool startOnce(ServiceMode mode);

    std::filesystem::path program_;
    ChildProcess process_;
    ServiceMode mode_ = ServiceMode::StandIn;
    std::string address_;
    std::string error_;
};

}  // namespace launcher
