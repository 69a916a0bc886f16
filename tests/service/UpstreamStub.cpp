#include "UpstreamStub.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace service::testing {

std::string recordedFile(const std::string& name) {
    std::ifstream in(std::string(SERVICE_TEST_DATA) + "/open-meteo/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string recordedPlaces(const std::string& file, size_t places) {
    const auto all = nlohmann::json::parse(recordedFile(file));
    if (!all.is_array()) return all.dump();
    if (places == 1) return all.at(0).dump();
    auto out = nlohmann::json::array();
    for (size_t i = 0; i < places; ++i) out.push_back(all.at(i % all.size()));
    return out.dump();
}

UpstreamStub::UpstreamStub() : http_(std::make_unique<httplib::Server>()) {
    http_->Get(
        "/v1/forecast", [this](const httplib::Request& request, httplib::Response& response) {
            const std::string latitudes = request.get_param_value("latitude");
            const size_t locations =
                latitudes.empty() ? 0 : 1 + std::count(latitudes.begin(), latitudes.end(), ',');
            Responder responder;
            {
                std::lock_guard lock(mutex_);
                targets_.push_back(request.target);
                responder = responder_;
            }
            const StubReply reply = responder ? responder(locations) : StubReply{};
            if (reply.kind == StubReply::Kind::Hang) {
                // Until the test ends: the client's time-out must end the exchange.
                std::unique_lock lock(mutex_);
                stopping_.wait(lock, [this] { return stopped_; });
                return;
            }
            if (reply.kind == StubReply::Kind::Close) {
                // A promised length, a few bytes, then the connection ends.
                response.set_content_provider(100000, "application/json",
                                              [](size_t, size_t, httplib::DataSink& sink) {
                                                  sink.write("[{\"latitude\"", 12);
                                                  return false;
                                              });
                return;
            }
            response.status = reply.status;
            response.set_content(reply.body, "application/json; charset=utf-8");
        });
    port_ = http_->bind_to_any_port("127.0.0.1");
    thread_ = std::thread([this] { http_->listen_after_bind(); });
    while (!http_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

UpstreamStub::~UpstreamStub() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    stopping_.notify_all();
    http_->stop();
    if (thread_.joinable()) thread_.join();
}

std::string UpstreamStub::url() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

void UpstreamStub::answerRecorded(const std::string& file) {
    answerWith([file](size_t locations) {
        return StubReply{StubReply::Kind::Answer, 200, recordedPlaces(file, locations)};
    });
}

void UpstreamStub::answerWith(Responder responder) {
    std::lock_guard lock(mutex_);
    responder_ = std::move(responder);
}

size_t UpstreamStub::requestCount() const {
    std::lock_guard lock(mutex_);
    return targets_.size();
}

std::vector<std::string> UpstreamStub::targets() const {
    std::lock_guard lock(mutex_);
    return targets_;
}

}  // namespace service::testing
