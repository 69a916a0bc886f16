#include "platform/net/ServiceHost.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/net/HttpRequest.h"
#include "platform/net/Internet.h"

using namespace std::chrono_literals;
using platform::ServiceHost;

struct HostCase {
    const char* text;
    std::optional<ServiceHost> expected;
};

class ServiceHostParsing : public testing::TestWithParam<HostCase> {};

TEST_P(ServiceHostParsing, Parse) {
    EXPECT_EQ(platform::parseServiceHost(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ServiceHostParsing,
    testing::Values(HostCase{"weather.example.cn", ServiceHost{"weather.example.cn", 80}},
                    HostCase{"127.0.0.1:8080", ServiceHost{"127.0.0.1", 8080}},
                    HostCase{"[::1]:9000", ServiceHost{"::1", 9000}},
                    HostCase{"[::1]", ServiceHost{"::1", 80}},
                    HostCase{"::1", ServiceHost{"::1", 80}}, HostCase{"", std::nullopt},
                    HostCase{":80", std::nullopt}, HostCase{"host:", std::nullopt},
                    HostCase{"host:0", std::nullopt}, HostCase{"host:65536", std::nullopt},
                    HostCase{"host:8o", std::nullopt}, HostCase{"http://host", std::nullopt},
                    HostCase{"ho st", std::nullopt}, HostCase{"[::1]x", std::nullopt}));

TEST(ServiceHostAuthority, BracketsIpv6Addresses) {
    EXPECT_EQ((ServiceHost{"::1", 8080}.authority()), "[::1]:8080");
    EXPECT_EQ((ServiceHost{"example.cn", 80}.authority()), "example.cn:80");
}

TEST(ConfiguredServiceHost, OverrideThenEnvironmentThenBuiltIn) {
    ::setenv("TEVALO_SERVICE_HOST", "127.0.0.1:4567", 1);
    EXPECT_EQ(platform::serviceHost(), (ServiceHost{"127.0.0.1", 4567}));
    platform::setServiceHost(ServiceHost{"other", 81});
    EXPECT_EQ(platform::serviceHost(), (ServiceHost{"other", 81}));
    platform::setServiceHost(std::nullopt);
    ::setenv("TEVALO_SERVICE_HOST", "not a host", 1);
    const ServiceHost fallback = platform::serviceHost();
    ::unsetenv("TEVALO_SERVICE_HOST");
    EXPECT_EQ(fallback, platform::serviceHost());
}

TEST(InternetState, ALoopbackServiceHostCountsAsConnected) {
    EXPECT_TRUE(platform::internetConnected("127.0.0.1"));
    EXPECT_TRUE(platform::internetConnected("localhost"));
    EXPECT_TRUE(platform::isLoopbackHost("127.1.2.3"));
    EXPECT_FALSE(platform::isLoopbackHost("127.example.cn"));
    EXPECT_FALSE(platform::isLoopbackHost("10.0.0.1"));
}

TEST(ConnectionRequest, ResolvesTheHostWithinTheTimeOut) {
    EXPECT_TRUE(platform::requestConnection("localhost", 5000ms));
    EXPECT_TRUE(platform::requestConnection("127.0.0.1", 5000ms));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(platform::requestConnection("no-such-host.invalid", 200ms));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
}

TEST(UrlPaths, UnsafeBytesArePercentEncodedAndQueriesKept) {
    EXPECT_EQ(platform::encodeUrlPath("/spservers/kuvaro_dbweathers/1*ab-2*cd-?version=symbian2.0"),
              "/spservers/kuvaro_dbweathers/1*ab-2*cd-?version=symbian2.0");
    EXPECT_EQ(platform::encodeUrlPath("/a b|c\x01"), "/a%20b%7Cc%01");
    EXPECT_EQ(platform::encodeUrlPath("/晴"), "/%E6%99%B4");
}
