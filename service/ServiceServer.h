#pragma once

// The forecast-service stand-in over real HTTP (cpp-httplib): answers GET and
// POST on every service path, applies the faults switched on for a path prefix,
// logs every request and serves the admin endpoints:
//   POST   /admin/fault?prefix=P&kind=K[&ms=N][&bytes=N][&times=N]
//   DELETE /admin/fault?prefix=P        (no prefix: every fault)
//   POST   /admin/reset                 faults, tokens and the request list
//   GET    /admin/requests              the requests seen, one JSON line each
//   POST   /admin/clock?time=YYYY-MM-DDThh:mm:ss
// Fault kinds are those of Fault::named.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>

#include "service/Clock.h"
#include "service/FaultPlan.h"
#include "service/ForecastService.h"
#include "service/RequestLog.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace service {

class ServiceServer final {
public:
    static constexpr int kDefaultThreads = 64;
    static constexpr int kListenBacklog = 512;

    explicit ServiceServer(CityTable cities, int threads = kDefaultThreads);
    ~ServiceServer();
    ServiceServer(const ServiceServer&) = delete;
    ServiceServer& operator=(const ServiceServer&) = delete;

    // Port 0 picks a free port. Returns the bound port, or -1.
    int bind(const std::string& host, int port);
    // Serves until stop(); false when nothing was bound or listening failed.
    bool run();
    // Safe from any thread and from signal-watching threads; idempotent.
    void stop();

    bool isRunning() const;
    int port() const { return port_; }

    Clock& clock() { return clock_; }
    FaultPlan& faults() { return faults_; }
    RequestLog& log() { return log_; }
    ForecastService& service() { return service_; }

private:
    void handle(const httplib::Request& request, httplib::Response& response);
    void handleAdmin(const httplib::Request& request, httplib::Response& response,
                     SeenRequest& seen);
    std::string spoiled(std::string body, const Fault& fault);
    void closeConnection(const httplib::Request& request) const;
    bool sleepUnlessStopped(int ms);

    ForecastService service_;
    Clock clock_;
    FaultPlan faults_;
    RequestLog log_;
    std::unique_ptr<httplib::Server> http_;
    int port_ = -1;
    int listenSocket_ = -1;

    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
    std::atomic<bool> stopping_{false};
};

}  // namespace service
