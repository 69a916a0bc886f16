#pragma once

// The service stand-in inside a test process: serves on 127.0.0.1 on a free port
// from its own thread, records every request and can be told to misbehave.
//
//   service::TestServer server;            // reference data of the tree
//   ASSERT_TRUE(server.start());
//   setenv("TEVALO_SERVICE_HOST", server.hostPort().c_str(), 1);
//   server.setFault("/spservers/kuvaro_weathers", "html-once");
//   ... drive the client ...
//   server.requests()   // method, path, query, target, body of each request
//
// Faults: "0", "-1", "html", "html-once", "slow", "long", "cut", "close",
// "500", optionally followed by ",ms=N" (slow), ",bytes=N" (long), ",times=N".

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "service/DataFolder.h"
#include "service/LocalTime.h"
#include "service/SeenRequest.h"

namespace service {

class ForecastService;
class ServiceServer;

class TestServer final {
public:
    explicit TestServer(const std::string& dataFolder = defaultDataFolder());
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    // True once the server accepts connections.
    bool start();
    void stop();

    int port() const;
    // "127.0.0.1:port", the form TEVALO_SERVICE_HOST takes.
    std::string hostPort() const;

    std::vector<SeenRequest> requests() const;
    void clearRequests();

    // False for an unknown fault.
    bool setFault(const std::string& pathPrefix, const std::string& faultText);
    void clearFaults();

    // The service clock starts at `time` and runs on.
    void setTime(const LocalTime& time);

    ForecastService& service();
    ServiceServer& server() { return *server_; }

private:
    std::unique_ptr<ServiceServer> server_;
    std::thread thread_;
};

}  // namespace service
