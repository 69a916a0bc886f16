#include "app/forecast/CtevalWeeklyWeather.h"
#include "app/forecast/CtevaloCityScenic.h"
#include "app/forecast/CtevaloCityScenicWeekly.h"
#include "app/forecast/CtevaloRegionalChoose.h"
#include "app/forecast/CtevaloTeVoWeather.h"
#include "tests/app/forecast/ForecastFixture.h"

using app::ForecastList;
namespace ui = platform::ui;

namespace {

class RegionChooser : public forecast_test::ForecastFixture {
protected:
    void SetUp() override {
        ForecastFixture::SetUp();
        app::ForecastSession::instance().wantedLevel = u"3";
    }

    static void chooseRow(app::RegionChooser& chooser, std::u16string_view name) {
        const auto rows = chooser.rows();
        const auto it = std::find(rows.begin(), rows.end(), name);
        ASSERT_NE(it, rows.end()) << forecast_test::utf8(name);
        chooser.list()->setCurrentRow(static_cast<int>(it - rows.begin()));
        chooser.Choose();
    }

    // Province 四川, then the spot `spot` in the spot chooser of class `spots`.
    void pickSpot(std::u16string provinceClass, std::u16string spotsClass, std::u16string spot) {
        h.onOpen(provinceClass, [](ui::CDialog& d) {
            chooseRow(static_cast<app::RegionChooser&>(d), u"四川");
            if (d.isVisible()) d.EndDialog(platform::IDCANCEL);
        });
        h.onOpen(spotsClass, [spot](ui::CDialog& d) {
            auto& chooser = static_cast<app::RegionChooser&>(d);
            chooseRow(chooser, spot);
            if (chooser.isVisible()) chooser.EndDialog(platform::IDCANCEL);
        });
    }

    store::RegionRecord sichuan() { return {u"999977", u"510000", u"四川", u"", u"1"}; }
};

TEST_F(RegionChooser, ProvincesComeInTreeOrderInLargeBoldArial) {
    app::CtevaloRegionalChoose chooser(h.context(), nullptr);
    h.show(chooser);
    const auto rows = chooser.rows();
    ASSERT_GT(rows.size(), 30u);
    EXPECT_EQ(rows.front(), u"北京");
    EXPECT_EQ(chooser.list()->currentRow(), 0);
    EXPECT_EQ(chooser.list()->font().pixelSize(), 25);
    EXPECT_TRUE(chooser.list()->font().bold());
}

TEST_F(RegionChooser, YesAddsTheSpotClosesBothChoosersAndFetchesItAtOnce) {
    app::CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    h.messages().answerNext(platform::IDYES);
    pickSpot(u"CtevaloRegionalChoose", u"CtevaloCityScenic", u"峨眉山风景区");
    ASSERT_TRUE(h.command(list, u"添加风景区"));
    h.log(list);
    h.processEvents();
    EXPECT_TRUE(h.messages().wasShown(u"添加成功，是否马上更新？"));
    const auto city = cities(ForecastList::ThreeDay).findByName(u"峨眉山风景区");
    ASSERT_TRUE(city.has_value());
    EXPECT_EQ(*city, (store::UserCityRecord{u"999406", u"51990002", u"峨眉山风景区", u"", u"", u"0",
                                            u"0"}));
    ASSERT_EQ(h.server()->requests().size(), 1u);
    EXPECT_EQ(h.server()->requests()[0].method, "POST");  // the one-call fetch
    EXPECT_EQ(targets()[0], "/spservers/kuvaro_weathers/51990002?version=symbian2.0&code=abc1234");
    EXPECT_TRUE(stamps(ForecastList::ThreeDay).findByName(u"峨眉山风景区").has_value());
}

TEST_F(RegionChooser, NoStaysForTheNextSpotAndASecondAddIsRefused) {
    app::CtevaloCityScenic spots(h.context(), sichuan(), nullptr);
    h.show(spots);
    h.messages().answerNext(platform::IDNO);
    chooseRow(spots, u"乐山大佛");
    chooseRow(spots, u"乐山大佛");
    chooseRow(spots, u"青城山");
    EXPECT_EQ(h.messages().texts(),
              (std::vector<std::u16string>{u"添加成功，是否马上更新？", u"城市已经添加！",
                                           u"添加成功，是否马上更新？"}));
    EXPECT_EQ(cities(ForecastList::ThreeDay).listByDefault()->size(), 2u);
    EXPECT_TRUE(h.server()->requests().empty());
}

TEST_F(RegionChooser, WeeklySpotKeepsItsPlaceInTheTree) {
    app::CtevalWeeklyWeather list(h.context(), nullptr);
    h.show(list);
    h.messages().answerNext(platform::IDNO);
    pickSpot(u"CtevaloRegionalChooseWeekly", u"CtevaloCityScenicWeekly", u"九寨沟风景区");
    ASSERT_TRUE(h.command(list, u"添加风景区"));
    const auto city = cities(ForecastList::Weekly).findByName(u"九寨沟风景区");
    ASSERT_TRUE(city.has_value());
    EXPECT_EQ(city->parentId, u"999977");
    EXPECT_EQ(city->level, u"3");
    EXPECT_EQ(city->todayFlag, u"");
    EXPECT_FALSE(cities(ForecastList::ThreeDay).findByName(u"九寨沟风景区").has_value());
    // The weekly list was told to reload.
    EXPECT_EQ(list.model().rows().size(), 1u);
}

TEST_F(RegionChooser, ProvinceWithoutSpotsOffersOnlyNoData) {
    app::CtevaloCityScenic spots(h.context(), {u"000000", u"000000", u"无此省", u"", u"1"},
                                 nullptr);
    h.show(spots);
    EXPECT_EQ(spots.rows(), std::vector<std::u16string>{u"无数据"});
    spots.Choose();
    EXPECT_EQ(h.messages().count(), 0u);
    EXPECT_FALSE(cities(ForecastList::ThreeDay)
                     .listByDefault()
                     .value_or(std::vector<store::UserCityRecord>{})
                     .size() > 0);
}

}  // namespace
