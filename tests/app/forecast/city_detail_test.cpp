#include "app/forecast/CtevaloTeVoWeather.h"
#include "app/forecast/CtevaloTeVoWeatherRetuen.h"
#include "app/forecast/CtevaloWeatherDemandRetuen.h"
#include "app/forecast/CtevaloWeeklyRetuen.h"
#include "tests/app/forecast/ForecastFixture.h"

#include <QScrollBar>
#include <functional>
#include <memory>

#include "tests/support/LightInk.h"

using app::ForecastList;
namespace ui = platform::ui;

namespace {

class CityDetail : public forecast_test::ForecastFixture {};

TEST_F(CityDetail, CityNeverUpdatedShowsTheSample) {
    app::CtevaloTeVoWeatherRetuen detail(h.context(), u"成都", nullptr);
    h.show(detail);
    EXPECT_TRUE(detail.showsSample());
    const auto& log = h.log(detail);
    for (auto text : {u"08/18 星期二", u"多云", u"东北风", u"四到五级", u"雨量1500毫米", u"℃"}) {
        EXPECT_TRUE(log.findText(text).has_value()) << forecast_test::utf8(text);
    }
    const auto temperature = log.findText(u"28/32");
    ASSERT_TRUE(temperature.has_value());
    EXPECT_EQ(temperature->font, (ui::FontChoice{u"Arial", 40, true, 16}));
    EXPECT_EQ(temperature->rect.top, 15);
    const auto name = log.findText(u"成都");
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(name->font.face, u"幼圆");
    EXPECT_EQ(name->rect.top, 120);
    // Tomorrow and the day after, one row each.
    EXPECT_TRUE(log.findText(u"08/19").has_value());
    EXPECT_TRUE(log.findText(u"28～34").has_value());
    EXPECT_EQ(log.findText(u"08/20")->rect.top, 289);
    EXPECT_FALSE(log.findText(u"08/21").has_value());
    EXPECT_EQ(log.pictures(u"DuoYuen(BT).png").front().rect, (ui::Rect{10, 50, 110, 150}));
    // Background number 1: black, with the grey band.
    EXPECT_EQ(log.fillAt(5, 100), ui::rgb(52, 52, 52));
}

TEST_F(CityDetail, TabsWrapBothWaysAndFollowThePen) {
    app::CtevaloTeVoWeatherRetuen detail(h.context(), u"成都", nullptr);
    h.show(detail);
    for (int i = 0; i < 3; ++i) h.key(detail, ui::VK_RIGHT);
    EXPECT_EQ(detail.selectedTab(), 0);
    h.key(detail, ui::VK_LEFT);
    EXPECT_EQ(detail.selectedTab(), 2);
    const auto& log = h.log(detail);
    EXPECT_EQ(log.findText(u"晨练指数")->color, ui::kWhite);
    EXPECT_EQ(log.findText(u"舒适指数")->color, ui::rgb(166, 166, 166));
    // Pressed on one tab, released on another: nothing.
    detail.PenDown(10, 200);
    detail.PenUp(120, 200);
    EXPECT_EQ(detail.selectedTab(), 2);
    h.tap(detail, 120, 200);
    EXPECT_EQ(detail.selectedTab(), 1);
}

TEST_F(CityDetail, ShortTodayRecordShowsUnknownWithoutDegrees) {
    store::CityUpdateRecord record;
    record.cityId = u"510100";
    record.cityName = u"成都";
    record.days[0] = u"ci_1*08/18*1*1";
    ASSERT_TRUE(stamps(ForecastList::ThreeDay).addOrReplace(record));
    app::CtevaloTeVoWeatherRetuen detail(h.context(), u"成都", nullptr);
    h.show(detail);
    EXPECT_FALSE(detail.showsSample());
    const auto& log = h.log(detail);
    EXPECT_TRUE(log.findText(u"未知").has_value());
    EXPECT_FALSE(log.findText(u"℃").has_value());
    EXPECT_FALSE(log.findText(u"东北风").has_value());
}

TEST_F(CityDetail, UpdateFetchesTheCityAndTellsTheList) {
    listCity(ForecastList::ThreeDay, u"100007", u"510100", u"成都", u"1");
    app::CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    app::CtevaloTeVoWeatherRetuen detail(h.context(), u"成都", &list);
    h.show(detail);
    ASSERT_TRUE(h.command(detail, u"更新"));
    EXPECT_EQ(targets(), std::vector<std::string>{
                             "/spservers/kuvaro_weathers/510100?version=symbian2.0&code=abc1234"});
    EXPECT_FALSE(detail.showsSample());
    EXPECT_TRUE(stamps(ForecastList::ThreeDay).findByName(u"成都").has_value());
    // The list has taken the new forecast in.
    EXPECT_NE(list.model().rows()[0].firstLine, u"请更新查看");
}

TEST_F(CityDetail, UpdatingACityNoLongerListedSaysSo) {
    app::CtevaloTeVoWeatherRetuen detail(h.context(), u"成都", nullptr);
    h.show(detail);
    detail.UpdateCity();
    EXPECT_EQ(detail.stripTexts(),
              (std::vector<std::u16string>{u"连接服务器获取数据", u"获取数据失败"}));
    EXPECT_TRUE(h.server()->requests().empty());
    EXPECT_TRUE(detail.showsSample());
}

TEST_F(CityDetail, WeeklySampleHasSixDaysAndAnArialName) {
    app::CtevaloWeeklyRetuen detail(h.context(), u"成都", nullptr);
    h.show(detail);
    EXPECT_EQ(h.log(detail).findText(u"成都")->font.face, u"Arial");
    EXPECT_EQ(h.log(detail).findText(u"08/20")->rect.top, 250);
    EXPECT_EQ(detail.scroll().span(), 480);
    // The last rows lie below the display until the picture is scrolled up.
    auto* bar = detail.findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    for (int i = 0; i < 12; ++i) bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int offset = detail.scroll().offset();
    EXPECT_GT(offset, 0);
    const auto& log = h.log(detail);
    for (auto date : {u"08/22", u"08/23", u"08/24", u"08/25"}) {
        EXPECT_TRUE(log.findText(date).has_value()) << forecast_test::utf8(date);
    }
    EXPECT_EQ(log.findText(u"08/25")->rect.top, 250 + 40 * 5 - offset);
    EXPECT_EQ(log.findText(u"未知")->rect.top, 250 + 40 * 5 - offset);
}

TEST_F(CityDetail, OnDemandDetailOnlyGoesBack) {
    app::CtevaloWeatherDemandRetuen detail(h.context(), u"成都", nullptr);
    h.show(detail);
    const auto& menu = detail.softKeyBar().menu();
    EXPECT_EQ(menu.left.text, u"返回");
    EXPECT_TRUE(menu.right.text.empty());
    EXPECT_FALSE(h.command(detail, u"更新"));
}

TEST_F(CityDetail, NoCityNameSaysTheDataCannotBeRead) {
    app::CtevaloWeeklyRetuen detail(h.context(), u"", nullptr);
    h.show(detail);
    const auto text = h.log(detail).findText(u"读取城市数据失败！");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->rect.left, 50);
    EXPECT_EQ(text->rect.top, 50);
}

// Each detail screen draws today's temperature with 16-pixel characters so
// that it ends before the "℃" after it, and the sign itself leaves ink.
struct DetailCase {
    const char* name;
    std::function<std::unique_ptr<ui::CDialog>(app::AppContext&)> make;
};

class DetailTemperature : public CityDetail, public testing::WithParamInterface<DetailCase> {};

TEST_P(DetailTemperature, EndsBeforeTheDegreeSignWhichIsDrawn) {
    auto detail = GetParam().make(h.context());
    h.show(*detail);
    const auto& log = h.log(*detail);
    const QImage& frame = detail->frame();
    std::optional<ui::DrawOp> temperature, name;
    for (const auto& op : log.ops()) {
        if (op.kind != ui::DrawOp::Kind::Text) continue;
        if (op.font.pixelSize == 40) temperature = op;
        if (op.font.pixelSize == 30) name = op;
    }
    const auto degree = log.findText(u"℃");
    ASSERT_TRUE(temperature && degree && name);
    const auto ink = testing_support::lightBounds(
        testing_support::textAlone(temperature->text, temperature->rect, temperature->format,
                                   temperature->font, frame.width(), frame.height()),
        {0, 0, frame.width(), frame.height()});
    ASSERT_TRUE(ink.has_value());
    EXPECT_LE(ink->right, degree->rect.left)
        << forecast_test::utf8(temperature->text) << " runs into the degree sign";
    EXPECT_TRUE(testing_support::lightBounds(frame, degree->rect).has_value())
        << "the degree sign leaves no ink";
    EXPECT_EQ(name->font.width, 15);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, DetailTemperature,
    testing::Values(DetailCase{"ThreeDay",
                               [](app::AppContext& c) {
                                   return std::make_unique<app::CtevaloTeVoWeatherRetuen>(
                                       c, u"成都", nullptr);
                               }},
                    DetailCase{"Weekly",
                               [](app::AppContext& c) {
                                   return std::make_unique<app::CtevaloWeeklyRetuen>(c, u"成都",
                                                                                     nullptr);
                               }},
                    DetailCase{"OnDemand",
                               [](app::AppContext& c) {
                                   return std::make_unique<app::CtevaloWeatherDemandRetuen>(
                                       c, u"成都", nullptr);
                               }}),
    [](const testing::TestParamInfo<DetailCase>& info) { return std::string(info.param.name); });

}  // namespace
