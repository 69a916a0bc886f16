// Every fault the service can be told to commit, seen through the product's
// client, and the rules of switching them (prefix, count, admin endpoint).

#include "ServiceFixture.h"
#include "weather/ForecastReply.h"

namespace service::testing {
namespace {

const std::u16string kThreeDay =
    u"/spservers/kuvaro_weathers/510100-440100-230100?version=symbian2.0&code=abc1234";
const std::string kPrefix = "/spservers/kuvaro_weathers";

struct NoDataCase {
    const char* faultText;
    const char16_t* startsWith;
};

class RepliesWithoutData : public RunningService,
                           public ::testing::WithParamInterface<NoDataCase> {};

TEST_P(RepliesWithoutData, AreReadByTheClientAsNoData) {
    ASSERT_TRUE(server.setFault(kPrefix, GetParam().faultText));
    const auto reply = fetch(kThreeDay, 3);
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->starts_with(GetParam().startsWith)) << platform::toUtf8(*reply);
    EXPECT_EQ(weather::checkForecastReply(reply), weather::ReplyCheck::NoData);
    // Other paths are served as usual.
    EXPECT_NE(fetch(std::string("/spservers/danger_report?version=symbian2.0"), 10), reply);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RepliesWithoutData,
                         ::testing::Values(NoDataCase{"0", u"0"}, NoDataCase{"-1", u"-1"},
                                           NoDataCase{"html", u"<"}));

using Faults = RunningService;

// The error page never passes for data: the client reads it as a failed read.
TEST_F(Faults, ServerErrorCarriesStatus500AndIsAFailedRead) {
    server.setFault(kPrefix, "500");
    const auto reply = fetch(kThreeDay, 3);
    EXPECT_EQ(server.requests().back().status, 500);
    EXPECT_EQ(weather::checkForecastReply(reply), weather::ReplyCheck::ReadFailed);
}

TEST_F(Faults, HtmlOnceIsOvercomeByTheOneCallFetchsRetry) {
    server.setFault(kPrefix, "html-once");
    const auto reply = client->fetch(&owner, kThreeDay, 3);
    EXPECT_EQ(weather::checkForecastReply(reply), weather::ReplyCheck::Ok);
    const auto seen = server.requests();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].method, "POST");
    EXPECT_EQ(seen[1].method, "GET");

    server.setFault(kPrefix, "html");
    EXPECT_FALSE(client->fetch(&owner, kThreeDay, 3));
}

TEST_F(Faults, SlowReplyOutlastsAShortClientTimeOut) {
    server.setFault(kPrefix, "slow,ms=800,times=1");
    weather::HttpClientOptions hasty = client->options();
    hasty.timeouts =
        platform::HttpTimeouts{std::chrono::milliseconds(500), std::chrono::milliseconds(200)};
    EXPECT_FALSE(weather::HttpClient(hasty).fetchInSteps(&owner, kThreeDay, 3));
    EXPECT_EQ(weather::checkForecastReply(fetch(kThreeDay, 3)), weather::ReplyCheck::Ok);
}

TEST_F(Faults, LongReplyIsCutToTheClientsBufferAndStillStoresItsCities) {
    server.setFault(kPrefix, "long,bytes=100000");
    const auto reply = fetch(kThreeDay, 3);
    ASSERT_TRUE(reply);
    EXPECT_LE(platform::toUtf8(*reply).size(), weather::replyByteLimit(3));
    EXPECT_GT(platform::toUtf8(*reply).size(), weather::replyByteLimit(3) - 3);
    EXPECT_GE(server.requests().back().replySize, 100000u);
    const std::vector<weather::CityRef> cities{
        {u"510100", u"成都"}, {u"440100", u"广州"}, {u"230100", u"哈尔滨"}};
    EXPECT_EQ(weather::parseForecastReply(*reply, cities).cities.size(), 3u);
}

TEST_F(Faults, CutReplyEndsInsideACharacterThatTheClientDrops) {
    const auto whole = fetch(kThreeDay, 3);
    server.setFault(kPrefix, "cut");
    const auto cut = fetch(kThreeDay, 3);
    ASSERT_TRUE(whole && cut);
    const size_t sent = server.requests().back().replySize;
    // The bytes sent end with a lead byte whose character never comes.
    EXPECT_EQ(platform::toUtf8(*cut).size(), sent - 1);
    EXPECT_TRUE(whole->starts_with(*cut));
    EXPECT_EQ(cut->find(u'\xFFFD'), std::u16string::npos);
}

TEST_F(Faults, ClosedConnectionFailsTheReadAndTheServiceGoesOn) {
    server.setFault(kPrefix, "close,times=2");
    EXPECT_FALSE(fetch(kThreeDay, 3));
    EXPECT_FALSE(client->fetch(&owner, kThreeDay, 3));
    EXPECT_EQ(weather::checkForecastReply(fetch(kThreeDay, 3)), weather::ReplyCheck::Ok);
    EXPECT_EQ(server.requests().size(), 3u);
}

TEST_F(Faults, TheLongestMatchingPrefixDecides) {
    server.setFault("/spservers/", "0");
    server.setFault("/spservers/kuvaro_weathers/510100", "-1");
    EXPECT_EQ(fetch(kThreeDay, 3), u"-1");
    EXPECT_EQ(fetch(std::string("/spservers/danger_report?version=symbian2.0"), 10), u"0");
    server.clearFaults();
    EXPECT_EQ(weather::checkForecastReply(fetch(kThreeDay, 3)), weather::ReplyCheck::Ok);
}

TEST_F(Faults, AdminEndpointSwitchesFaultsOnAndOff) {
    auto post = [&](const std::string& target) {
        return client->fetch(&owner, platform::fromUtf8(target), 2);
    };
    EXPECT_EQ(post("/admin/fault?prefix=/spservers/danger_report&kind=-1"), u"ok\n");
    EXPECT_EQ(fetch(std::string("/spservers/danger_report?version=symbian2.0"), 10), u"-1");
    // An unknown kind is refused with status 400, which the client reads as a failure.
    EXPECT_FALSE(post("/admin/fault?prefix=/x&kind=explode"));
    EXPECT_EQ(post("/admin/reset"), u"ok\n");
    EXPECT_NE(fetch(std::string("/spservers/danger_report?version=symbian2.0"), 10), u"-1");
    EXPECT_TRUE(post("/admin/clock?time=2010-02-12T09:00:00"));
    EXPECT_TRUE(fetch(kThreeDay, 3)->starts_with(u"2010-02-12 09:00:"));
    // Admin requests are not among the requests a test checks.
    for (const auto& seen : server.requests()) EXPECT_FALSE(seen.path.starts_with("/admin"));
}

TEST(FaultSpecs, AreReadWithTheirOptionsAndWrongOnesRefused) {
    const auto slow = Fault::parse("slow,ms=250,times=3");
    ASSERT_TRUE(slow);
    EXPECT_EQ(slow->kind, FaultKind::Slow);
    EXPECT_EQ(slow->delayMs, 250);
    EXPECT_EQ(slow->remaining, 3);
    EXPECT_EQ(Fault::parse("html-once")->remaining, 1);
    EXPECT_EQ(Fault::parse("long,bytes=10")->length, 10u);
    for (const char* wrong :
         {"", "slow,", "slow,ms", "slow,ms=-1", "slow,wait=3", "nap", "close,times=0"})
        EXPECT_FALSE(Fault::parse(wrong)) << wrong;
}

}  // namespace
}  // namespace service::testing
