#include <gtest/gtest.h>

#include "app/services/CtevaloWeatherAtrisk.h"
#include "platform/text/Utf.h"
#include "service/ForecastService.h"
#include "service/TestServer.h"
#include "tests/support/ScreenHarness.h"

using namespace platform::ui;
using services::CtevaloWeatherAtrisk;
using testing_support::ScreenHarness;

namespace {

// The danger report screen against the stand-in, on a day that has a report
// and, for the empty case, on one that has none.
class DangerReportScreen : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.startService());
        h.context().values().clientCode = u"abc1234";
        service::LocalTime day{2026, 12, 1, 10, 0, 0};
        for (int i = 0; i < 60 && (!withRows || !withoutRows); ++i) {
            const bool rows = !h.server()->service().danger().rows(day).empty();
            (rows ? withRows : withoutRows) = day;
            day = service::addDays(day, 1);
        }
        ASSERT_TRUE(withRows);
    }
    size_t dangerRequests() {
        size_t n = 0;
        for (const auto& r : h.server()->requests()) n += r.path == "/spservers/danger_report";
        return n;
    }

    ScreenHarness h;
    std::optional<service::LocalTime> withRows;
    std::optional<service::LocalTime> withoutRows;
};

}  // namespace

TEST_F(DangerReportScreen, OpensEmptyAndFetchesOnlyOnUpdate) {
    CtevaloWeatherAtrisk screen(h.context(), nullptr);
    h.show(screen);
    EXPECT_EQ(dangerRequests(), 0u);
    EXPECT_TRUE(h.log(screen).findText(u"请更新查看"));
    EXPECT_FALSE(screen.ShowsTable());
}

TEST_F(DangerReportScreen, UpdateDrawsTheTableWithItsColumns) {
    h.server()->setTime(*withRows);
    const auto rows = h.server()->service().danger().rows(*withRows);
    CtevaloWeatherAtrisk screen(h.context(), nullptr);
    h.show(screen);
    ASSERT_TRUE(h.command(screen, u"更新"));
    ASSERT_EQ(dangerRequests(), 1u);
    EXPECT_EQ(h.server()->requests().back().query, "version=symbian2.0&code=abc1234");
    ASSERT_TRUE(screen.ShowsTable());
    EXPECT_EQ(screen.Table().rowCount(), static_cast<int>(rows.size()));

    const auto& log = h.log(screen);
    ASSERT_TRUE(log.findText(u"四川地区危报详情"));
    const auto city = log.findText(u"城市名");
    const auto details = log.findText(u"危报详情");
    const auto time = log.findText(u"时间");
    ASSERT_TRUE(city && details && time);
    EXPECT_EQ(city->rect.left, 35);
    EXPECT_EQ(details->rect.left, 85);
    EXPECT_EQ(time->rect.left, 165);
    const auto place = log.findText(platform::fromUtf8(rows[0].place));
    ASSERT_TRUE(place);
    EXPECT_EQ(place->rect.left, 35);
    // The first row's cells share one line.
    EXPECT_EQ(log.findText(platform::fromUtf8(rows[0].time))->rect.top, place->rect.top);
    EXPECT_EQ(log.findText(platform::fromUtf8(rows[0].details))->rect.top, place->rect.top);
    EXPECT_TRUE(h.messages().shown().empty());

    // A second update builds the table anew instead of adding to it.
    ASSERT_TRUE(h.command(screen, u"更新"));
    EXPECT_EQ(screen.Table().rowCount(), static_cast<int>(rows.size()));
}

TEST_F(DangerReportScreen, DayWithoutRowsSaysSo) {
    if (!withoutRows) GTEST_SKIP() << "the stand-in had rows on every day tried";
    h.server()->setTime(*withoutRows);
    CtevaloWeatherAtrisk screen(h.context(), nullptr);
    h.show(screen);
    ASSERT_TRUE(h.command(screen, u"更新"));
    EXPECT_FALSE(screen.ShowsTable());
    EXPECT_TRUE(h.log(screen).findText(u"暂无天气危报"));
}

TEST_F(DangerReportScreen, UnusableRepliesKeepThePreviousTable) {
    h.server()->setTime(*withRows);
    CtevaloWeatherAtrisk screen(h.context(), nullptr);
    h.show(screen);
    ASSERT_TRUE(h.command(screen, u"更新"));
    const int rows = screen.Table().rowCount();
    for (const char* faultText : {"0", "-1", "html"}) {
        SCOPED_TRACE(faultText);
        h.server()->clearFaults();
        ASSERT_TRUE(h.server()->setFault("/spservers/danger_report", faultText));
        h.messages().clear();
        ASSERT_TRUE(h.command(screen, u"更新"));
        EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{u"无法获取网络数据"});
        EXPECT_TRUE(screen.ShowsTable());
        EXPECT_EQ(screen.Table().rowCount(), rows);
    }
}

TEST_F(DangerReportScreen, ScrollBarsStayInsideTheTable) {
    h.setDisplay(240, 320);
    h.server()->setTime(*withRows);
    CtevaloWeatherAtrisk screen(h.context(), nullptr);
    h.show(screen);
    ASSERT_TRUE(h.command(screen, u"更新"));
    h.log(screen);
    // The table is 300 pixels wide on a 240-pixel display.
    for (int i = 0; i < 20; ++i) screen.HScroll(SB_PAGEDOWN);
    EXPECT_GT(screen.HorizontalOffset(), 0);
    EXPECT_LE(screen.HorizontalOffset(), 300);
    for (int i = 0; i < 20; ++i) screen.HScroll(SB_LINEUP);
    EXPECT_EQ(screen.HorizontalOffset(), 0);
    screen.VScroll(SB_PAGEDOWN);
    EXPECT_GE(screen.VerticalOffset(), 0);
    screen.VScroll(SB_THUMBPOSITION, 0);
    EXPECT_EQ(screen.VerticalOffset(), 0);
}
