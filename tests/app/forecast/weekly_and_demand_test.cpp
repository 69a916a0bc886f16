#include "app/forecast/CtevalWeeklyWeather.h"
#include "app/forecast/CtevaloTeVoWeather.h"
#include "app/forecast/CtevaloWeatherDemand.h"
#include "app/forecast/CtevaloWeatherDemandQuery.h"
#include "app/forecast/CtevaloWeeklyWeatherQuery.h"
#include "app/settings/ForwardText.h"
#include "tests/app/forecast/ForecastFixture.h"

using app::ForecastList;
using app::ForecastSession;
namespace ui = platform::ui;

namespace {

class WeeklyList : public forecast_test::ForecastFixture {
protected:
    void SetUp() override {
        ForecastFixture::SetUp();
        listCity(ForecastList::Weekly, u"100001", u"110000", u"北京");
        listCity(ForecastList::Weekly, u"100007", u"510100", u"成都");
    }
};

TEST_F(WeeklyList, UpdateStoresSevenDaysPerCityAndShowsToday) {
    app::CtevalWeeklyWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气更新"));
    ASSERT_EQ(targets().size(), 1u);
    EXPECT_EQ(targets()[0].rfind("/spservers/kuvaro_week_weathers/", 0), 0u);
    EXPECT_NE(targets()[0].find("110000-510100?version=symbian2.0&code=abc1234"),
              std::string::npos);
    for (auto name : {u"北京", u"成都"}) {
        const auto record = stamps(ForecastList::Weekly).findByName(name);
        ASSERT_TRUE(record.has_value());
        for (const auto& day : record->days) EXPECT_FALSE(day.empty());
    }
    EXPECT_TRUE(stamps(ForecastList::Weekly).stamp().has_value());
    EXPECT_FALSE(stamps(ForecastList::ThreeDay).stamp().has_value());
    for (const auto& row : list.model().rows()) EXPECT_NE(row.firstLine, u"请更新查看");
}

TEST_F(WeeklyList, OffersNoDefaultCityCommand) {
    app::CtevalWeeklyWeather list(h.context(), nullptr);
    h.show(list);
    EXPECT_FALSE(h.command(list, u"设置为默认城市"));
    EXPECT_TRUE(h.command(list, u"推荐好友"));
}

TEST_F(WeeklyList, DeleteLeavesTheThreeDayListAlone) {
    listCity(ForecastList::ThreeDay, u"100001", u"110000", u"北京");
    app::CtevalWeeklyWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气更新"));
    ASSERT_TRUE(h.command(list, u"删除城市"));
    EXPECT_FALSE(cities(ForecastList::Weekly).findByName(u"北京").has_value());
    EXPECT_FALSE(stamps(ForecastList::Weekly).findByName(u"北京").has_value());
    EXPECT_TRUE(cities(ForecastList::ThreeDay).findByName(u"北京").has_value());
}

// The weekly forward sends the selected city's stored forecast, never made-up weather.
TEST_F(WeeklyList, ForwardSendsTheSelectedCitysStoredForecast) {
    app::CtevalWeeklyWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气更新"));
    h.key(list, ui::VK_DOWN);
    ASSERT_TRUE(h.command(list, u"天气转发"));
    ASSERT_EQ(h.shell().composed().size(), 1u);
    const auto& name = list.model().rows()[1].cityName;
    const auto record = stamps(ForecastList::Weekly).findByName(name);
    ASSERT_TRUE(record.has_value());
    const app::ForwardText::ThreeDays days{record->days[0], record->days[1], record->days[2]};
    const auto& subject = h.shell().composed()[0].subject;
    EXPECT_EQ(subject, app::ForwardText::forecast(name, &days));
    EXPECT_EQ(subject.find(u"12℃-15℃"), std::u16string::npos);
}

TEST_F(WeeklyList, QueryAddsToTheWeeklyListOnly) {
    app::CtevalWeeklyWeather list(h.context(), nullptr);
    h.show(list);
    h.onOpen(u"CtevaloWeeklyWeatherQuery", [](ui::CDialog& d) {
        auto& query = static_cast<app::CtevaloWeeklyWeatherQuery&>(d);
        query.input()->setText(QStringLiteral("tj"));
        query.Confirm();
        query.EndDialog(platform::IDCANCEL);
    });
    ASSERT_TRUE(h.command(list, u"添加城市"));
    EXPECT_TRUE(h.messages().wasShown(u"<天津>添加成功!"));
    EXPECT_EQ(list.model().rows().size(), 3u);
    EXPECT_EQ(list.model().rows()[2].firstLine, u"请更新查看");
    EXPECT_FALSE(cities(ForecastList::ThreeDay).findByName(u"天津").has_value());
    EXPECT_TRUE(h.server()->requests().empty());
}

class DemandList : public forecast_test::ForecastFixture {
protected:
    // "点播服务", then the query dialog finds `typed`; returns the new token.
    std::u16string request(app::CtevaloWeatherDemand& list, std::u16string typed) {
        h.onOpen(u"CtevaloWeatherDemandQuery", [typed](ui::CDialog& d) {
            auto& query = static_cast<app::CtevaloWeatherDemandQuery&>(d);
            query.input()->setText(QString::fromStdU16String(typed));
            query.Confirm();
            if (query.isVisible()) query.EndDialog(platform::IDCANCEL);
        });
        EXPECT_TRUE(h.command(list, u"点播服务"));
        h.log(list);
        h.processEvents();
        return ForecastSession::instance().demandToken;
    }
};

TEST_F(DemandList, RequestedCityIsFetchedOnceWithItsTokenAndNoClientCode) {
    app::CtevaloWeatherDemand list(h.context(), nullptr);
    h.show(list);
    EXPECT_TRUE(h.log(list).findText(u"你目前没有点播城市").has_value());
    EXPECT_FALSE(h.log(list).findPicture(u"tmd.png").has_value());

    const auto token = request(list, u"成都");
    ASSERT_EQ(token.size(), 7u);
    ASSERT_EQ(targets().size(), 1u);
    EXPECT_EQ(targets()[0], "/spservers/kuvaro_dbweathers/510100*" + forecast_test::utf8(token) +
                                "?version=symbian2.0");
    EXPECT_TRUE(stamps(ForecastList::Demand).findByName(u"成都").has_value());
    EXPECT_EQ(cities(ForecastList::Demand).findByName(u"成都")->defaultFlag, u"");
    EXPECT_FALSE(h.log(list).findText(u"你目前没有点播城市").has_value());
}

TEST_F(DemandList, UpdateAsksOnlyForCitiesStillHoldingATokenAndFailuresKeepIt) {
    listCity(ForecastList::Demand, u"100001", u"110000", u"北京", u"");
    listCity(ForecastList::Demand, u"100007", u"510100", u"成都", u"tok0001");
    app::CtevaloWeatherDemand list(h.context(), nullptr);
    h.show(list);
    EXPECT_EQ(list.model().rows()[0].firstLine, u"更新数据");

    ASSERT_TRUE(h.server()->setFault("/spservers/kuvaro_dbweathers", "0"));
    ASSERT_TRUE(h.command(list, u"更新"));
    EXPECT_TRUE(h.messages().wasShown(u"无法获取网络数据"));
    EXPECT_EQ(cities(ForecastList::Demand).findByName(u"成都")->defaultFlag, u"tok0001");
    EXPECT_FALSE(stamps(ForecastList::Demand).stamp().has_value());

    h.server()->clearFaults();
    ASSERT_TRUE(h.command(list, u"更新"));
    const auto sent = targets();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], sent[1]);
    EXPECT_EQ(sent[1], "/spservers/kuvaro_dbweathers/510100*tok0001-?version=symbian2.0");
    EXPECT_EQ(cities(ForecastList::Demand).findByName(u"成都")->defaultFlag, u"");
    EXPECT_TRUE(stamps(ForecastList::Demand).findByName(u"成都").has_value());
    EXPECT_FALSE(stamps(ForecastList::Demand).findByName(u"北京").has_value());

    // The answered token is not sent again.
    ASSERT_TRUE(h.command(list, u"更新"));
    EXPECT_EQ(targets().back(), "/spservers/kuvaro_dbweathers/?version=symbian2.0");
}

TEST_F(DemandList, AnsweringNoToOverwriteKeepsTheDialogAndSendsNothing) {
    listCity(ForecastList::Demand, u"100007", u"510100", u"成都", u"");
    app::CtevaloWeatherDemand list(h.context(), nullptr);
    h.show(list);
    h.messages().answerNext(platform::IDNO);
    bool stayedOpen = false;
    h.onOpen(u"CtevaloWeatherDemandQuery", [&](ui::CDialog& d) {
        auto& query = static_cast<app::CtevaloWeatherDemandQuery&>(d);
        query.input()->setText(QStringLiteral("成都"));
        query.Confirm();
        stayedOpen = query.IsRunningModal() && query.input()->text().isEmpty();
        query.EndDialog(platform::IDCANCEL);
    });
    ASSERT_TRUE(h.command(list, u"点播服务"));
    h.processEvents();
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(h.messages().wasShown(u"<成都>城市已经添加,是否覆盖!"));
    EXPECT_TRUE(h.server()->requests().empty());
}

TEST_F(DemandList, AnsweringYesFetchesTheCityAgainWithTheNewToken) {
    listCity(ForecastList::Demand, u"100007", u"510100", u"成都", u"");
    app::CtevaloWeatherDemand list(h.context(), nullptr);
    h.show(list);
    h.messages().answerNext(platform::IDYES);
    const auto token = request(list, u"CD");
    ASSERT_EQ(targets().size(), 1u);
    EXPECT_EQ(targets()[0], "/spservers/kuvaro_dbweathers/510100*" + forecast_test::utf8(token) +
                                "?version=symbian2.0");
    EXPECT_TRUE(stamps(ForecastList::Demand).findByName(u"成都").has_value());
    EXPECT_EQ(list.model().rows().size(), 1u);
}

TEST_F(DemandList, DeleteRemovesCityAndForecast) {
    listCity(ForecastList::Demand, u"100007", u"510100", u"成都", u"tok0001");
    app::CtevaloWeatherDemand list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    ASSERT_TRUE(h.command(list, u"删除"));
    EXPECT_FALSE(cities(ForecastList::Demand).findByName(u"成都").has_value());
    EXPECT_FALSE(stamps(ForecastList::Demand).findByName(u"成都").has_value());
    EXPECT_TRUE(list.model().empty());
}

}  // namespace
