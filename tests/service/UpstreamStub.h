#pragma once

// A forecast upstream of our own on a free loopback port (cpp-httplib): answers
// GET /v1/forecast with recorded JSON in the upstream's shape (one object for
// one location, an array for several), or with an error, a hang or a closed
// connection, and records every request target.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
}

namespace service::testing {

struct StubReply {
    enum class Kind { Answer, Hang, Close };
    Kind kind = Kind::Answer;
    int status = 200;
    std::string body;
};

class UpstreamStub final {
public:
    // Gets the number of locations asked for (the latitudes in the query).
    using Responder = std::function<StubReply(size_t locations)>;

    UpstreamStub();
    ~UpstreamStub();
    UpstreamStub(const UpstreamStub&) = delete;
    UpstreamStub& operator=(const UpstreamStub&) = delete;

    // "http://127.0.0.1:port"
    std::string url() const;

    // Answers with the first n places of a recorded array file (n = the
    // locations asked for; a bare object for one location).
    void answerRecorded(const std::string& file);
    void answerWith(Responder responder);

    size_t requestCount() const;
    std::vector<std::string> targets() const;

private:
    std::unique_ptr<httplib::Server> http_;
    std::thread thread_;
    int port_ = -1;
    mutable std::mutex mutex_;
    std::condition_variable stopping_;
    bool stopped_ = false;
    Responder responder_;
    std::vector<std::string> targets_;
};

// The recorded test files of the upstream, in tests/service/data/open-meteo.
std::string recordedFile(const std::string& name);
// The first `places` objects of a recorded array as the upstream sends them.
std::string recordedPlaces(const std::string& file, size_t places);

}  // namespace service::testing
