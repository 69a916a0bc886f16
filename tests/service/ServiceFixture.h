#pragma once

// A service on a free loopback port with the small place table of this folder and
// its clock at a known moment, reached through the product's own HTTP client.

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/text/Utf.h"
#include "service/ForecastService.h"
#include "service/ServiceServer.h"
#include "service/TestServer.h"
#include "weather/HttpClient.h"

namespace service::testing {

inline const LocalTime kMorning{2009, 7, 6, 15, 31, 51};

class RunningService : public ::testing::Test {
protected:
    void SetUp() override {
        server.setTime(startTime());
        beforeStart();
        ASSERT_TRUE(server.start());
        weather::HttpClientOptions options;
        options.host =
            platform::ServiceHost{"127.0.0.1", static_cast<std::uint16_t>(server.port())};
        options.timeouts = platform::HttpTimeouts{std::chrono::milliseconds(1000), replyTimeout()};
        client.emplace(options);
    }

    virtual LocalTime startTime() const { return kMorning; }
    // Set-up of the service before it serves (a live source, for example).
    virtual void beforeStart() {}
    // How long the client waits for a whole reply.
    virtual std::chrono::milliseconds replyTimeout() const {
        return std::chrono::milliseconds(2000);
    }

    // The three-step fetch of the screens.
    std::optional<std::u16string> fetch(const std::u16string& path, int sizeFactor) {
        return client->fetchInSteps(&owner, path, sizeFactor);
    }
    std::optional<std::u16string> fetch(const std::string& path, int sizeFactor) {
        return fetch(platform::fromUtf8(path), sizeFactor);
    }

    TestServer server{SERVICE_TEST_DATA};
    platform::ScriptedMessageBoxes messages;
    std::optional<weather::HttpClient> client;
    int owner = 0;
};

}  // namespace service::testing
