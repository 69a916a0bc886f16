// The weather item's own updates, driven by refresh queries under a fixed clock against
// the service stand-in: the daily forecast at the stored minute, its retries, and the
// warnings at 09:12 and 14:12.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "NotificationServerProcess.h"
#include "platform/clock/Clock.h"
#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/text/Utf.h"
#include "service/TestServer.h"
#include "store/CityListStore.h"
#include "store/UpdateStampStore.h"
#include "store/WarningStore.h"
#include "tests/support/VolumeFault.h"
#include "tests/today/TodayTestDevice.h"

namespace {

using today_test::findText;

platform::LocalTime at(int day, int hour, int minute, int second = 0) {
    return {2026, 12, day, hour, minute, second, (day - 6) % 7};
}

// A loopback port that nothing listens on.
std::string closedHostPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

class TodayScheduleTest : public ::testing::Test {
protected:
    TodayScheduleTest() : clock_(at(7, 8, 0)) {}

    void SetUp() override {
        // Added out of order: the request still names the default city first.
        device_.addCity(u"上海", u"310000", u"0", u"0");
        device_.addCity(u"北京", u"110000", u"1", u"1");
        device_.addCity(u"广州", u"440100", u"0", u"0");
        device_.setUpdateTime(u"8:30:00");
        device_.setClientCode(u"abc1234");
        ASSERT_TRUE(server_.start());
        server_.setTime({2026, 12, 7, 8, 30, 0});
        useService();
        item_ = device_.loadItem();
        ASSERT_NE(item_, nullptr);
        today_test::paintOnce(*item_);  // reads the update time and the client code
    }

    void TearDown() override { unsetenv("TEVALO_SERVICE_HOST"); }

    void useService() { setenv("TEVALO_SERVICE_HOST", server_.hostPort().c_str(), 1); }

    // One refresh query at the given time; its answer.
    intptr_t refreshAt(const platform::LocalTime& time) {
        clock_.set(time);
        return item_->send(TEVALO_TODAY_QUERY_REFRESH, 0, 0);
    }

    std::vector<service::SeenRequest> requestsTo(const std::string& prefix) const {
        std::vector<service::SeenRequest> seen;
        for (const auto& request : server_.requests()) {
            if (request.path.rfind(prefix, 0) == 0) seen.push_back(request);
        }
        return seen;
    }

    std::optional<std::u16string> stamp() const {
        return store::UpdateStampStore(device_.volumes(), store::CityList::ThreeDay).stamp();
    }

    today_test::TodayTestDevice device_;
    platform::FixedClock clock_;
    platform::ScriptedMessageBoxes messages_;
    service::TestServer server_;
    std::unique_ptr<home::TodayItemHost> item_;
};

TEST_F(TodayScheduleTest, ForecastUpdatesOnceInTheUpdateMinute) {
    EXPECT_EQ(refreshAt(at(7, 8, 29, 59)), 0);
    EXPECT_TRUE(requestsTo("/spservers/kuvaro_weathers").empty());

    item_->clearDrawLog();
    EXPECT_EQ(refreshAt(at(7, 8, 30, 5)), 0);
    ASSERT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);
    ASSERT_TRUE(stamp());
    EXPECT_EQ(stamp()->substr(0, 16), u"2026-12-07 08:30");
    // Redrawn at once, through a drawing context of the item's own.
    EXPECT_EQ(today_test::count(item_->drawLog(), TEVALO_TODAY_DRAW_RENDER), 1);

    refreshAt(at(7, 8, 30, 40));
    refreshAt(at(7, 8, 30, 59));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);
    EXPECT_EQ(messages_.count(), 0u);

    // The next paint sees the new stamp and shows the fetched days of the desktop city.
    item_->clearDrawLog();
    item_->paint();
    EXPECT_EQ(today_test::count(item_->drawLog(), TEVALO_TODAY_DRAW_RENDER), 1);
    EXPECT_NE(findText(item_->drawLog(), u"12/07"), nullptr);
    EXPECT_NE(findText(item_->drawLog(), u"12/09"), nullptr);
}

TEST_F(TodayScheduleTest, RequestNamesTheWholeListDefaultCityFirstWithTheClientCode) {
    refreshAt(at(7, 8, 30, 1));
    const auto seen = requestsTo("/spservers/kuvaro_weathers/");
    ASSERT_EQ(seen.size(), 1u);
    const auto cities =
        store::CityListStore(device_.volumes(), store::CityList::ThreeDay).listByDefault();
    ASSERT_TRUE(cities && cities->size() == 3);
    EXPECT_EQ(platform::toUtf8(cities->front().cityName), "北京");
    std::string codes;
    for (const auto& city : *cities) {
        codes += (codes.empty() ? "" : "-") + platform::toUtf8(city.cityCode);
    }
    EXPECT_EQ(seen[0].path, "/spservers/kuvaro_weathers/" + codes);
    EXPECT_EQ(seen[0].query, "version=symbian2.0&code=abc1234");
    EXPECT_EQ(seen[0].method, "GET");
    // Every city of the reply is stored under its own name.
    for (const auto& city : *cities) {
        EXPECT_TRUE(store::UpdateStampStore(device_.volumes(), store::CityList::ThreeDay)
                        .findByName(city.cityName));
    }
}

TEST_F(TodayScheduleTest, FailedUpdateIsRetriedEachMinuteAndTheMovedMinuteKeepsNextDay) {
    setenv("TEVALO_SERVICE_HOST", closedHostPort().c_str(), 1);
    refreshAt(at(7, 8, 30, 0));
    refreshAt(at(7, 8, 30, 30));
    refreshAt(at(7, 8, 31, 0));
    refreshAt(at(7, 8, 32, 10));
    ASSERT_EQ(messages_.count(), 3u);
    EXPECT_EQ(messages_.last().text, u"获取网络数据失败");
    EXPECT_EQ(messages_.last().caption, u"提示");
    EXPECT_FALSE(stamp());

    useService();
    EXPECT_EQ(refreshAt(at(7, 8, 33, 0)), 0);
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);
    EXPECT_TRUE(stamp());
    refreshAt(at(7, 8, 34, 0));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);

    // The next day the update comes at the minute that worked.
    refreshAt(at(8, 8, 30, 0));
    refreshAt(at(8, 8, 32, 0));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);
    refreshAt(at(8, 8, 33, 0));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 2u);
    EXPECT_EQ(messages_.count(), 3u);
}

TEST_F(TodayScheduleTest, HourWithoutNetworkLeavesTheNextDayAtTheStoredMinute) {
    setenv("TEVALO_SERVICE_HOST", closedHostPort().c_str(), 1);
    messages_.answerUnscriptedWith(platform::IDOK);
    for (int minute = 30; minute < 60; ++minute) refreshAt(at(7, 8, minute, 5));
    EXPECT_EQ(messages_.count(), 30u);
    refreshAt(at(7, 9, 0, 0));
    EXPECT_EQ(messages_.count(), 30u);

    useService();
    refreshAt(at(8, 8, 30, 0));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);
    EXPECT_TRUE(stamp());
}

TEST_F(TodayScheduleTest, NewUpdateTimeTextReplacesTheMovedMinute) {
    setenv("TEVALO_SERVICE_HOST", closedHostPort().c_str(), 1);
    refreshAt(at(7, 8, 30, 0));
    useService();
    device_.setUpdateTime(u"18:05:00");
    item_->paint();
    refreshAt(at(7, 8, 31, 0));
    refreshAt(at(7, 18, 5, 0));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);
}

TEST_F(TodayScheduleTest, UpdateTimeWithoutSecondsGivesNoUpdate) {
    device_.setUpdateTime(u"8:30");
    item_->paint();
    refreshAt(at(7, 8, 30, 0));
    refreshAt(at(7, 8, 0, 0));
    EXPECT_TRUE(requestsTo("/spservers/kuvaro_weathers").empty());
}

struct NoDataCase {
    const char* name;
    const char* fault;
};

class NoDataReplyStoresNothing : public TodayScheduleTest,
                                 public ::testing::WithParamInterface<NoDataCase> {};

TEST_P(NoDataReplyStoresNothing, SaysSoAndTriesAgainNextMinuteWithoutRefetching) {
    ASSERT_TRUE(server_.setFault("/spservers/kuvaro_weathers", GetParam().fault));
    refreshAt(at(7, 8, 30, 0));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);
    ASSERT_EQ(messages_.count(), 1u);
    EXPECT_EQ(messages_.last().text, u"没有网络数据");
    EXPECT_FALSE(stamp());

    server_.clearFaults();
    refreshAt(at(7, 8, 31, 0));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 2u);
    EXPECT_TRUE(stamp());
}

INSTANTIATE_TEST_SUITE_P(Replies, NoDataReplyStoresNothing,
                         ::testing::Values(NoDataCase{"zero", "0"}, NoDataCase{"minusOne", "-1"},
                                           NoDataCase{"page", "html"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TodayScheduleTest, WarningsAreFetchedAt0912And1412Only) {
    device_.addWarning(store::WarningKind::Disaster, u"9001", u"暴雨蓝色预警", u"0");
    device_.addWarning(store::WarningKind::Fire, u"9101", u"森林火险", u"0");
    for (const auto& time : {at(7, 9, 11, 59), at(7, 10, 12, 0), at(7, 13, 12, 0)}) {
        refreshAt(time);
    }
    EXPECT_TRUE(server_.requests().empty());

    refreshAt(at(7, 9, 12, 0));
    const auto disasters = requestsTo("/spservers/find_disasters_weathers");
    const auto fires = requestsTo("/spservers/find_fire_warning");
    ASSERT_EQ(disasters.size(), 1u);
    ASSERT_EQ(fires.size(), 1u);
    EXPECT_EQ(disasters[0].path, "/spservers/find_disasters_weathers9001");
    EXPECT_EQ(fires[0].path, "/spservers/find_fire_warning9101");
    EXPECT_EQ(disasters[0].query, "version=symbian2.0&code=abc1234");

    refreshAt(at(7, 9, 12, 30));
    refreshAt(at(7, 9, 13, 0));
    refreshAt(at(7, 9, 12, 59));
    EXPECT_EQ(server_.requests().size(), 2u);

    refreshAt(at(7, 12, 0, 0));
    refreshAt(at(7, 14, 12, 0));
    EXPECT_EQ(requestsTo("/spservers/find_disasters_weathers").size(), 2u);
    EXPECT_EQ(requestsTo("/spservers/find_fire_warning").size(), 2u);
    // Stored without a word: the application counts and announces them.
    EXPECT_EQ(messages_.count(), 0u);
}

TEST_F(TodayScheduleTest, NoWarningRequestWithoutStoredWarnings) {
    refreshAt(at(7, 9, 12, 0));
    refreshAt(at(7, 14, 12, 0));
    EXPECT_TRUE(server_.requests().empty());
    EXPECT_EQ(messages_.count(), 0u);
}

TEST_F(TodayScheduleTest, KnownWarningsStayAsTheyWere) {
    device_.addWarning(store::WarningKind::Disaster, u"9001", u"暴雨蓝色预警", u"0");
    ASSERT_TRUE(server_.setFault("/spservers/find_fire_warning", "close"));
    refreshAt(at(7, 9, 12, 0));
    const auto stored = store::WarningStore(device_.volumes(), store::WarningKind::Disaster).list();
    ASSERT_TRUE(stored);
    const auto known =
        std::find_if(stored->begin(), stored->end(), [](const auto& w) { return w.id == u"9001"; });
    ASSERT_NE(known, stored->end());
    EXPECT_EQ(known->title, u"暴雨蓝色预警");
    EXPECT_EQ(known->todayFlag, u"0");
    EXPECT_EQ(messages_.count(), 0u);
}

// The test runs on a session bus of its own with our notification server.
TEST_F(TodayScheduleTest, NewWarningsRaiseOneDesktopNotificationPerFetch) {
    testing_support::NotificationServerProcess notifications;
    ASSERT_TRUE(notifications.ready());
    device_.addWarning(store::WarningKind::Disaster, u"9001", u"暴雨蓝色预警", u"0");
    refreshAt(at(7, 9, 12, 0));
    const auto stored = store::WarningStore(device_.volumes(), store::WarningKind::Disaster).list();
    ASSERT_TRUE(stored);
    std::vector<std::string> newTitles;
    for (const auto& w : *stored)
        if (w.id != u"9001") newTitles.push_back(platform::toUtf8(w.title));
    ASSERT_FALSE(newTitles.empty()) << "the stand-in issues warnings every day";

    const auto received = notifications.received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].summary, "米多晴雨匣");
    const std::string count =
        newTitles.size() > 1 ? "（共" + std::to_string(newTitles.size()) + "条）" : "";
    EXPECT_TRUE(received[0].body.ends_with(count)) << received[0].body;
    const std::string title = received[0].body.substr(0, received[0].body.size() - count.size());
    EXPECT_NE(std::find(newTitles.begin(), newTitles.end(), title), newTitles.end())
        << received[0].body;
}

// A stand-in whose forecast reply ends exactly at a chosen byte, to see where the
// item's read stops.
class SizedReplyServer final {
public:
    explicit SizedReplyServer(std::string reply) : reply_(std::move(reply)) {
        server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
            agent_ = request.get_header_value("User-Agent");
            response.set_content(reply_, "text/plain; charset=utf-8");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~SizedReplyServer() {
        server_.stop();
        thread_.join();
    }
    std::string hostPort() const { return "127.0.0.1:" + std::to_string(port_); }
    const std::string& agent() const { return agent_; }

private:
    std::string reply_;
    std::string agent_;
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
};

// Three city blocks whose last terminator is byte number `lastByte` of the reply.
std::string replyEndingAt(std::size_t lastByte) {
    const std::string day = "ci_1*12/07*1*1*3*9*1*2&**";
    std::string reply = "2026-12-07 08:30:00`" + day + "$" + day + "$" + day;
    while (reply.size() < lastByte - 1) reply += "*";
    return reply + "$";
}

class ThreeCityReplyBuffer : public TodayScheduleTest,
                             public ::testing::WithParamInterface<std::pair<int, bool>> {};

TEST_P(ThreeCityReplyBuffer, HoldsSixteenHundredBytes) {
    const auto [lastByte, thirdStored] = GetParam();
    SizedReplyServer sized(replyEndingAt(lastByte));
    setenv("TEVALO_SERVICE_HOST", sized.hostPort().c_str(), 1);
    refreshAt(at(7, 8, 30, 0));
    const auto cities =
        store::CityListStore(device_.volumes(), store::CityList::ThreeDay).listByDefault();
    ASSERT_TRUE(cities && cities->size() == 3);
    const store::UpdateStampStore stamps(device_.volumes(), store::CityList::ThreeDay);
    EXPECT_TRUE(stamps.findByName((*cities)[1].cityName));
    EXPECT_EQ(stamps.findByName((*cities)[2].cityName).has_value(), thirdStored);
    EXPECT_EQ(sized.agent(), "自动更新");
}

INSTANTIATE_TEST_SUITE_P(Sizes, ThreeCityReplyBuffer,
                         ::testing::Values(std::pair{1600, true}, std::pair{1601, false}));

TEST_F(TodayScheduleTest, EmptyReplyKeepsTheStoredStamp) {
    device_.storeStamp(u"2026-12-06 08:30:00");
    SizedReplyServer empty("");
    setenv("TEVALO_SERVICE_HOST", empty.hostPort().c_str(), 1);
    refreshAt(at(7, 8, 30, 0));
    EXPECT_EQ(stamp(), u"2026-12-06 08:30:00");
    ASSERT_EQ(messages_.count(), 1u);
    EXPECT_EQ(messages_.last().text, u"获取网络数据失败");
}

// The item reads warnings with the application's parser: an item without an ID is
// skipped, the others are stored, and the next request names only real IDs.
TEST_F(TodayScheduleTest, WarningWithoutAnIdIsSkippedAndTheOthersStored) {
    device_.addWarning(store::WarningKind::Disaster, u"9001", u"暴雨蓝色预警", u"0");
    SizedReplyServer service("12-07 09:12`|1|无编号|正文$9002|1|大风蓝色预警|阵风8级$");
    setenv("TEVALO_SERVICE_HOST", service.hostPort().c_str(), 1);
    refreshAt(at(7, 9, 12, 0));
    const auto stored = store::WarningStore(device_.volumes(), store::WarningKind::Disaster).list();
    ASSERT_TRUE(stored);
    std::vector<std::u16string> ids;
    for (const auto& warning : *stored) ids.push_back(warning.id);
    EXPECT_EQ(ids, (std::vector<std::u16string>{u"9002", u"9001"}));
}

// The item's store steps on a volume it cannot write (read-only, or held
// mid-write by the application in another process): the user is told, and
// what was stored before stays.
class TodayStoreFaults : public TodayScheduleTest,
                         public ::testing::WithParamInterface<testing_support::VolumeFault::Kind> {
protected:
    void refreshUnderTheFault(const platform::LocalTime& time) {
        testing_support::VolumeFault fault(device_.volumes().cityDatabase, GetParam());
        if (!fault.active()) GTEST_SKIP() << "mounting needs root";
        refreshAt(time);
        EXPECT_EQ(messages_.texts(), std::vector<std::u16string>{u"数据保存失败，请检查存储空间"});
    }
};

TEST_P(TodayStoreFaults, ForecastKeepsTheStoredStamp) {
    device_.storeStamp(u"2026-12-06 08:30:00");
    refreshUnderTheFault(at(7, 8, 30, 0));
    EXPECT_EQ(requestsTo("/spservers/kuvaro_weathers").size(), 1u);
    EXPECT_EQ(stamp(), u"2026-12-06 08:30:00");
}

TEST_P(TodayStoreFaults, WarningsKeepTheStoredOnes) {
    device_.addWarning(store::WarningKind::Disaster, u"9001", u"暴雨蓝色预警", u"0");
    const store::WarningStore disasters(device_.volumes(), store::WarningKind::Disaster);
    const auto before = disasters.list();
    ASSERT_TRUE(before);
    SizedReplyServer service("12-07 09:12`9002|1|大风蓝色预警|阵风8级$");
    setenv("TEVALO_SERVICE_HOST", service.hostPort().c_str(), 1);
    refreshUnderTheFault(at(7, 9, 12, 0));
    EXPECT_EQ(disasters.list(), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, TodayStoreFaults,
                         ::testing::Values(testing_support::VolumeFault::Kind::ReadOnly,
                                           testing_support::VolumeFault::Kind::Busy),
                         [](const auto& info) {
                             return testing_support::VolumeFault::name(info.param);
                         });

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
