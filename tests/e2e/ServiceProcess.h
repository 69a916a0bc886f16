#pragma once

// The service stand-in as its own process on an ephemeral loopback port, with its
// request log read back as the requests it saw.

#include <QProcessEnvironment>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/ChildProgram.h"

namespace e2e {

struct LoggedRequest {
    std::string method;
    std::string target;  // path and query as received
    int status = 0;
    std::string agent;  // User-Agent
};

class ServiceProcess final {
public:
    // `clock` is the ISO time the service's clock starts at; it dates the forecasts.
    ServiceProcess(const std::filesystem::path& logFile, const std::string& clock);

    bool start(const QProcessEnvironment& environment);
    // "127.0.0.1:port", for TEVALO_SERVICE_HOST.
    const std::string& hostPort() const { return hostPort_; }
    std::vector<LoggedRequest> requests() const;
    std::string output() { return program_ ? program_->output() : std::string(); }

private:
    std::filesystem::path logFile_;
    std::string clock_;
    std::unique_ptr<ChildProgram> program_;
    std::string hostPort_;
};

}  // namespace e2e
