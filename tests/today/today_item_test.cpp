// The weather item driven through the home-screen item interface, as the home screen
// drives it: height, paint, alert line, selection and taps.

#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>

#include "platform/clock/Clock.h"
#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/text/Utf.h"
#include "tests/today/TodayTestDevice.h"

namespace {

using today_test::findPicture;
using today_test::findText;
using today_test::paintOnce;

constexpr char16_t kDay1[] = u"ci_1*08/18*1*1*28*32*1*2&***1500";
constexpr char16_t kDay2[] = u"ci_1*08/19*1*0*28*34*0*0&**";
constexpr char16_t kDay3[] = u"ci_1*08/20*3*3*27*33*0*0&**";

class TodayItemTest : public ::testing::Test {
protected:
    TodayItemTest() : clock_(platform::LocalTime{2026, 12, 7, 10, 0, 0, 1}) {}

    std::unique_ptr<home::TodayItemHost> load(int width = 240) {
        auto item = device_.loadItem(width);
        EXPECT_NE(item, nullptr);
        return item;
    }

    today_test::TodayTestDevice device_;
    platform::FixedClock clock_;
    platform::ScriptedMessageBoxes messages_;
};

struct HeightCase {
    int fontPixels;
    int lineHeight;
};

class ItemHeightFollowsSystemFont : public TodayItemTest,
                                    public ::testing::WithParamInterface<HeightCase> {};

TEST_P(ItemHeightFollowsSystemFont, HeightIsSixLinesAndFivePixelsAnsweredOnce) {
    auto item = load();
    item->setSystemFontPixels(GetParam().fontPixels);
    EXPECT_TRUE(item->queryRefresh());
    EXPECT_EQ(item->height(), 6 * GetParam().lineHeight + 5);
    EXPECT_FALSE(item->queryRefresh());
    EXPECT_EQ(item->height(), 6 * GetParam().lineHeight + 5);
}

INSTANTIATE_TEST_SUITE_P(Fonts, ItemHeightFollowsSystemFont,
                         ::testing::Values(HeightCase{13, 16}, HeightCase{12, 15},
                                           HeightCase{18, 22}, HeightCase{6, 8}));

TEST_F(TodayItemTest, HeightWaitsForTheShellAndForADescription) {
    auto item = load();
    item->setShellReady(false);
    EXPECT_FALSE(item->queryRefresh());
    EXPECT_EQ(item->height(), 0);
    EXPECT_EQ(item->send(TEVALO_TODAY_QUERY_REFRESH, 0, 0), 0);
    item->setShellReady(true);
    EXPECT_TRUE(item->queryRefresh());
    EXPECT_EQ(item->height(), 101);
}

TEST_F(TodayItemTest, WithoutDesktopCityShowsTheNoCityLineAndNoColumns) {
    device_.addCity(u"北京", u"101010100", u"1", u"0");
    auto item = load();
    paintOnce(*item);
    const auto& log = item->drawLog();
    const auto* city = findText(log, u"未设置桌面显示城市！");
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->rect.left, 32);
    EXPECT_EQ(city->rect.top, 0);
    EXPECT_EQ(city->rect.right, 240);
    EXPECT_EQ(city->rect.bottom, 16);
    EXPECT_EQ(findPicture(log, u"DuoYuen(BT).png"), nullptr);
    EXPECT_EQ(findText(log, u"08/18"), nullptr);
    ASSERT_NE(findText(log, u"暂无新提示信息"), nullptr);
    EXPECT_NE(findPicture(log, u"ZMWXX.png"), nullptr);
}

TEST_F(TodayItemTest, DesktopCityShowsItsThreeStoredDays) {
    device_.addCity(u"北京", u"101010100", u"1", u"1");
    device_.storeStamp(u"2026-12-07 08:30:00");
    device_.storeDays(u"北京", u"101010100",
                      {u"ci_1*12/07*0*0*-3*5*1*2&**", u"ci_1*12/08*7*7*1*6*0*0&**",
                       u"ci_1*12/09*14*14*-8*-2*0*0&**"});
    auto item = load();
    paintOnce(*item);
    const auto& log = item->drawLog();
    ASSERT_NE(findText(log, u"北京"), nullptr);
    EXPECT_NE(findText(log, u"12/07"), nullptr);
    EXPECT_NE(findText(log, u"-3～5"), nullptr);
    EXPECT_NE(findText(log, u"1～6"), nullptr);
    EXPECT_NE(findText(log, u"-8～-2"), nullptr);
    const auto* sunny = findPicture(log, u"Qing(BT).png");
    ASSERT_NE(sunny, nullptr);
    // Column 0 of 240 pixels: (80 - 32) / 2 = 24 from the left, 2L..4L high.
    EXPECT_EQ(sunny->rect.left, 24);
    EXPECT_EQ(sunny->rect.top, 32);
    EXPECT_EQ(sunny->rect.right, 56);
    EXPECT_EQ(sunny->rect.bottom, 64);
    const auto* rain = findPicture(log, u"XiaoYu.png");
    ASSERT_NE(rain, nullptr);
    EXPECT_EQ(rain->rect.left, 104);
    const auto* date3 = findText(log, u"12/09");
    ASSERT_NE(date3, nullptr);
    EXPECT_EQ(date3->rect.left, 160);
    EXPECT_EQ(date3->rect.right, 240);
    EXPECT_NE(findPicture(log, u"XiaoXue.png"), nullptr);
}

TEST_F(TodayItemTest, DesktopCityWithoutForecastShowsThePlaceholderDays) {
    device_.addCity(u"上海", u"101020100", u"1", u"1");
    auto item = load();
    paintOnce(*item);
    for (const std::u16string expected :
         {u"上海", u"08/18", u"08/19", u"08/20", u"28～32", u"28～34", u"27～33"}) {
        EXPECT_NE(findText(item->drawLog(), expected), nullptr) << platform::toUtf8(expected);
    }
    EXPECT_NE(findPicture(item->drawLog(), u"ZengYu(BT).png"), nullptr);
}

TEST_F(TodayItemTest, ShortDayRecordsShowUnknownTemperatureOrAnEmptyColumn) {
    device_.addCity(u"广州", u"101280101", u"1", u"1");
    device_.storeStamp(u"2026-12-07 08:30:00");
    device_.storeDays(u"广州", u"101280101",
                      {kDay1, u"ci_1*08/19*1*0*28&**", u"ci_1*08/20*25*25*20*26"});
    auto item = load();
    paintOnce(*item);
    const auto& log = item->drawLog();
    // Day 2 has five main fields: its temperature is unknown, even with an extra part.
    EXPECT_NE(findText(log, u"未知"), nullptr);
    EXPECT_NE(findText(log, u"08/19"), nullptr);
    // Kind 25 has no picture: the whole third column stays empty.
    EXPECT_EQ(findText(log, u"08/20"), nullptr);
    EXPECT_EQ(findText(log, u"20～26"), nullptr);
}

TEST_F(TodayItemTest, DesktopCityChangedByAnotherProcessShowsAtTheNextPaint) {
    device_.addCity(u"北京", u"101010100", u"1", u"1");
    device_.addCity(u"上海", u"101020100", u"0", u"0");
    device_.storeStamp(u"2026-12-07 08:30:00");
    device_.storeDays(u"上海", u"101020100", {kDay1, kDay2, kDay3});
    auto item = load();
    paintOnce(*item);
    ASSERT_NE(findText(item->drawLog(), u"北京"), nullptr);

    // The application moves the flag from its own process.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        device_.setTodayFlag(u"上海", u"1");
        device_.setTodayFlag(u"北京", u"0");
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));

    item->clearDrawLog();
    item->paint();
    EXPECT_NE(findText(item->drawLog(), u"上海"), nullptr);
    EXPECT_EQ(findText(item->drawLog(), u"北京"), nullptr);
    EXPECT_NE(findText(item->drawLog(), u"08/18"), nullptr);
}

// The application holds the volume's write lock while it stores an update; the
// item's paint reads beside it instead of waiting out the busy time-out.
TEST_F(TodayItemTest, APaintReadsWhileTheApplicationHoldsItsWriteLock) {
    device_.addCity(u"北京", u"101010100", u"1", u"1");
    device_.storeStamp(u"2026-12-07 08:30:00");
    device_.storeDays(u"北京", u"101010100", {kDay1, kDay2, kDay3});
    device_.addWarning(store::WarningKind::Disaster, u"11", u"暴雨蓝色预警", u"1");
    auto item = load();

    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(device_.volumes().cityDatabase.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    paintOnce(*item);
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);

    EXPECT_NE(findText(item->drawLog(), u"北京"), nullptr);
    EXPECT_NE(findText(item->drawLog(), u"08/18"), nullptr);
    EXPECT_NE(findText(item->drawLog(), u"暴雨蓝色预警"), nullptr);
}

TEST_F(TodayItemTest, MemoryPictureIsRebuiltOnlyWhenWidthOrDataChange) {
    device_.addCity(u"北京", u"101010100", u"1", u"1");
    device_.storeStamp(u"2026-12-07 08:30:00");
    device_.storeDays(u"北京", u"101010100", {kDay1, kDay2, kDay3});
    auto item = load();
    paintOnce(*item);
    EXPECT_EQ(today_test::count(item->drawLog(), TEVALO_TODAY_DRAW_RENDER), 1);

    item->clearDrawLog();
    item->paint();
    EXPECT_EQ(today_test::count(item->drawLog(), TEVALO_TODAY_DRAW_RENDER), 0);
    EXPECT_EQ(today_test::count(item->drawLog(), TEVALO_TODAY_DRAW_COPY), 1);
    EXPECT_EQ(findText(item->drawLog(), u"北京"), nullptr);  // copied, not drawn again
    EXPECT_NE(findText(item->drawLog(), u"暂无新提示信息"), nullptr);

    // Screen rotation: the band is drawn again at the new width.
    item->setWidth(320);
    item->clearDrawLog();
    item->paint();
    EXPECT_EQ(today_test::count(item->drawLog(), TEVALO_TODAY_DRAW_RENDER), 1);
    const auto* date3 = findText(item->drawLog(), u"08/20");
    ASSERT_NE(date3, nullptr);
    EXPECT_EQ(date3->rect.left, 213);
    EXPECT_EQ(date3->rect.right, 320);
    EXPECT_EQ(item->surface().width(), 320);

    // A new update stamp means new data.
    device_.storeStamp(u"2026-12-07 09:30:00");
    item->clearDrawLog();
    item->paint();
    EXPECT_EQ(today_test::count(item->drawLog(), TEVALO_TODAY_DRAW_RENDER), 1);
}

struct AlertCase {
    const char* name;
    const char16_t* disasterFlag;  // nullptr: no disaster warning stored
    const char16_t* fireFlag;
    const char16_t* shown;
    const char16_t* picture;
};

class AlertLinePrefersFlaggedDisasters : public TodayItemTest,
                                         public ::testing::WithParamInterface<AlertCase> {};

TEST_P(AlertLinePrefersFlaggedDisasters, ShowsTheFirstFlaggedWarning) {
    const auto& c = GetParam();
    if (c.disasterFlag) {
        device_.addWarning(store::WarningKind::Disaster, u"11", u"暴雨蓝色预警", c.disasterFlag);
    }
    if (c.fireFlag) device_.addWarning(store::WarningKind::Fire, u"21", u"森林火险", c.fireFlag);
    auto item = load();
    paintOnce(*item);
    const auto* line = findText(item->drawLog(), c.shown);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->rect.left, 32);
    EXPECT_EQ(line->rect.top, 80);
    EXPECT_EQ(line->rect.bottom, 101);
    const auto* picture = findPicture(item->drawLog(), c.picture);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->rect.left, 8);
    EXPECT_EQ(picture->rect.top, 82);
    EXPECT_EQ(picture->rect.right, 24);
    EXPECT_EQ(picture->rect.bottom, 98);
}

INSTANTIATE_TEST_SUITE_P(
    Warnings, AlertLinePrefersFlaggedDisasters,
    ::testing::Values(AlertCase{"both", u"1", u"1", u"暴雨蓝色预警", u"ZMYXX.png"},
                      AlertCase{"fireOnly", u"0", u"1", u"森林火险", u"ZMYXX.png"},
                      AlertCase{"noneFlagged", u"0", u"0", u"暂无新提示信息", u"ZMWXX.png"},
                      AlertCase{"empty", nullptr, nullptr, u"暂无新提示信息", u"ZMWXX.png"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TodayItemTest, LongWarningTitleIsCutToTheAlertRow) {
    const std::u16string title =
        u"台风红色预警信号：今天夜间到明天白天沿海地区将出现十二级以上大风请注意防范";
    device_.addWarning(store::WarningKind::Disaster, u"11", title, u"1");
    auto item = load();
    paintOnce(*item);
    EXPECT_NE(findText(item->drawLog(), title.substr(0, 29)), nullptr);
}

TEST_F(TodayItemTest, SelectedCityRowIsHighlighted) {
    device_.addCity(u"北京", u"101010100", u"1", u"1");
    auto item = load();
    item->setColours({0x101010, 0x2050A0, 0xFFFFFF});
    paintOnce(*item);
    EXPECT_EQ(today_test::count(item->drawLog(), TEVALO_TODAY_DRAW_FILL), 0);

    EXPECT_EQ(item->send(TEVALO_TODAY_RECEIVED_SELECTION), 1);
    item->clearDrawLog();
    item->paint();
    const auto& log = item->drawLog();
    ASSERT_EQ(today_test::count(log, TEVALO_TODAY_DRAW_FILL), 1);
    const auto fill = std::find_if(log.begin(), log.end(),
                                   [](const auto& d) { return d.kind == TEVALO_TODAY_DRAW_FILL; });
    EXPECT_EQ(fill->colour, 0x2050A0u);
    EXPECT_EQ(fill->rect.right, 240);
    EXPECT_EQ(fill->rect.bottom, 16);
    EXPECT_EQ(std::next(fill)->text, u"北京");
    EXPECT_EQ(std::next(fill)->colour, 0xFFFFFFu);
    EXPECT_EQ(findText(log, u"暂无新提示信息")->colour, 0x101010u);

    // Up or Down hands the selection on.
    item->send(TEVALO_TODAY_USER_NAVIGATION, TEVALO_TODAY_KEY_DOWN);
    item->clearDrawLog();
    item->paint();
    EXPECT_EQ(today_test::count(item->drawLog(), TEVALO_TODAY_DRAW_FILL), 0);
}

TEST_F(TodayItemTest, TapHighlightsAtOnceAndStartsTheApplication) {
    device_.addCity(u"北京", u"101010100", u"1", u"1");
    device_.installApplicationStandIn();
    auto item = load();
    paintOnce(*item);

    item->clearDrawLog();
    item->send(TEVALO_TODAY_PEN_DOWN, 20, 10);
    EXPECT_EQ(today_test::count(item->drawLog(), TEVALO_TODAY_DRAW_FILL), 1);
    EXPECT_EQ(device_.applicationStarts(0), 0);

    item->send(TEVALO_TODAY_PEN_UP, 20, 10);
    EXPECT_EQ(device_.applicationStarts(5000), 1);
    EXPECT_EQ(messages_.count(), 0u);
}

TEST_F(TodayItemTest, ActionKeyStartsTheApplication) {
    device_.installApplicationStandIn();
    auto item = load();
    paintOnce(*item);
    item->send(TEVALO_TODAY_RECEIVED_SELECTION);
    item->send(TEVALO_TODAY_ACTION);
    EXPECT_EQ(device_.applicationStarts(5000), 1);
}

TEST_F(TodayItemTest, ApplicationThatCannotBeFoundOrStartedIsReported) {
    auto item = load();
    paintOnce(*item);
    item->send(TEVALO_TODAY_PEN_UP, 20, 10);
    ASSERT_EQ(messages_.count(), 1u);
    EXPECT_EQ(messages_.last().text, u"读注册表失败");
    EXPECT_EQ(messages_.last().caption, u"提示");

    const auto program = device_.installApplicationStandIn();
    std::filesystem::remove(program);
    item->send(TEVALO_TODAY_PEN_UP, 20, 10);
    ASSERT_EQ(messages_.count(), 2u);
    EXPECT_EQ(messages_.last().text, u"启动程序失败");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
