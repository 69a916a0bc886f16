#include "service/TestServer.h"

#include <chrono>

#include "service/ServiceServer.h"

namespace service {

TestServer::TestServer(const std::string& dataFolder)
    : server_(std::make_unique<ServiceServer>(CityTable::load(dataFolder), 16)) {}

TestServer::~TestServer() {
    stop();
}

bool TestServer::start() {
    if (thread_.joinable()) return server_->isRunning();
    if (server_->bind("127.0.0.1", 0) < 0) return false;
    thread_ = std::thread([this] { server_->run(); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!server_->isRunning()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void TestServer::stop() {
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

int TestServer::port() const {
    return server_->port();
}

std::string TestServer::hostPort() const {
    return "127.0.0.1:" + std::to_string(port());
}

std::vector<SeenRequest> TestServer::requests() const {
    return server_->log().requests();
}

void TestServer::clearRequests() {
    server_->log().clear();
}

bool TestServer::setFault(const std::string& pathPrefix, const std::string& faultText) {
    const auto fault = Fault::parse(faultText);
    if (!fault) return false;
    server_->faults().set(pathPrefix, *fault);
    return true;
}

void TestServer::clearFaults() {
    server_->faults().clearAll();
}

void TestServer::setTime(const LocalTime& time) {
    server_->clock().startAt(time);
}

ForecastService& TestServer::service() {
    return server_->service();
}

}  // namespace service
