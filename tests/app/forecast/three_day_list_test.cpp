#include <functional>

#include "app/forecast/CtevaloTeVoWeather.h"
#include "app/forecast/CtevaloTeVoWeatherQuery.h"
#include "platform/propdb/PropDb.h"
#include "platform/ui/WindowRegistry.h"
#include "tests/app/forecast/ForecastFixture.h"
#include "tests/support/DamagedTable.h"
#include "tests/support/VolumeFault.h"

using app::CtevaloTeVoWeather;
using app::CtevaloTeVoWeatherQuery;
using app::ForecastList;
using forecast_test::utf8;
namespace ui = platform::ui;

namespace {

class ThreeDayList : public forecast_test::ForecastFixture {
protected:
    // Types `text` into the query dialog the list opens and presses "添加".
    void typeIntoQuery(CtevaloTeVoWeather& list, std::u16string text) {
        h.onOpen(u"CtevaloTeVoWeatherQuery", [text](ui::CDialog& d) {
            auto& query = static_cast<CtevaloTeVoWeatherQuery&>(d);
            query.input()->setText(QString::fromStdU16String(text));
            query.Confirm();
            query.EndDialog(platform::IDCANCEL);
        });
        ASSERT_TRUE(h.command(list, u"添加城市"));
    }

    void listThree() {
        listCity(ForecastList::ThreeDay, u"100001", u"110000", u"北京", u"1");
        listCity(ForecastList::ThreeDay, u"100002", u"120000", u"天津");
        listCity(ForecastList::ThreeDay, u"100007", u"510100", u"成都");
    }
};

TEST_F(ThreeDayList, EmptyListIgnoresEveryCommandThatNeedsACity) {
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    for (auto caption :
         {u"天气更新", u"删除城市", u"设置为默认城市", u"天气转发", u"详细天气信息"}) {
        EXPECT_TRUE(h.command(list, caption)) << utf8(caption);
    }
    h.key(list, ui::VK_RETURN);
    EXPECT_TRUE(h.server()->requests().empty());
    EXPECT_EQ(h.messages().count(), 0u);
    EXPECT_TRUE(h.shell().composed().empty());
    EXPECT_FALSE(h.wasOpened(u"CtevaloTeVoWeatherRetuen"));
    EXPECT_TRUE(drawn(list, u"最近更新：无更新记录"));
}

TEST_F(ThreeDayList, AddedCityShowsPlaceholderUntilAnUpdateStoresIt) {
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    typeIntoQuery(list, u"cd");  // initials in lower case
    EXPECT_TRUE(h.messages().wasShown(u"<成都>添加成功!"));
    ASSERT_EQ(list.model().rows().size(), 1u);
    const auto& log = h.log(list);
    EXPECT_TRUE(log.findText(u"成都").has_value());
    EXPECT_TRUE(log.findText(u"请更新查看  ").has_value());
    const auto placeholder = log.findPicture(u"a.png");
    ASSERT_TRUE(placeholder.has_value());
    EXPECT_EQ(placeholder->rect, (ui::Rect{10, 46, 70, 106}));

    ASSERT_TRUE(h.command(list, u"天气更新"));
    EXPECT_EQ(targets(), std::vector<std::string>{
                             "/spservers/kuvaro_weathers/510100?version=symbian2.0&code=abc1234"});
    const auto stored = stamps(ForecastList::ThreeDay).findByName(u"成都");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->cityId, u"510100");
    EXPECT_FALSE(stored->days[0].empty());
    EXPECT_TRUE(stamps(ForecastList::ThreeDay).stamp().has_value());
    EXPECT_NE(list.model().rows()[0].firstLine, u"请更新查看");
    EXPECT_FALSE(h.log(list).findPicture(u"a.png").has_value());
    EXPECT_EQ(list.progressTexts(),
              (std::vector<std::u16string>{u"连接服务器获取数据中", u"正在更新数据：成都"}));
}

TEST_F(ThreeDayList, AddingAListedCityAgainChangesNothing) {
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    typeIntoQuery(list, u"成都");
    typeIntoQuery(list, u"CD");
    EXPECT_TRUE(h.messages().wasShown(u"<成都>已经添加!"));
    EXPECT_EQ(cities(ForecastList::ThreeDay).listByDefault()->size(), 1u);
    typeIntoQuery(list, u"成都市");  // not the stored name: nothing, silently
    EXPECT_EQ(h.messages().count(), 2u);
}

TEST_F(ThreeDayList, UpdateAsksForEveryCityInListOrderDefaultFirst) {
    listThree();
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    h.key(list, ui::VK_DOWN);
    h.key(list, ui::VK_DOWN);
    h.key(list, ui::VK_DOWN);  // stops at the last row
    EXPECT_EQ(list.model().selection(), 2);
    ASSERT_TRUE(h.command(list, u"设置为默认城市"));
    EXPECT_EQ(list.model().rows()[0].cityName, u"成都");
    EXPECT_EQ(cities(ForecastList::ThreeDay).findByName(u"北京")->defaultFlag, u"0");
    EXPECT_EQ(cities(ForecastList::ThreeDay).findByName(u"成都")->defaultFlag, u"1");

    ASSERT_TRUE(h.command(list, u"天气更新"));
    ASSERT_EQ(targets().size(), 1u);
    EXPECT_EQ(targets()[0],
              "/spservers/kuvaro_weathers/510100-110000-120000?version=symbian2.0&code=abc1234");
    EXPECT_EQ(stamps(ForecastList::ThreeDay).list()->size(), 4u);  // three cities and the stamp
    const auto progress = list.progressTexts();
    EXPECT_EQ(progress.front(), u"连接服务器获取数据中");
    EXPECT_EQ(progress.back(), u"正在更新数据：" + list.model().rows()[2].cityName);

    // The first row is the default already: nothing to do.
    h.key(list, ui::VK_UP);
    h.key(list, ui::VK_UP);
    ASSERT_TRUE(h.command(list, u"设置为默认城市"));
    EXPECT_EQ(list.model().rows()[0].cityName, u"成都");
}

TEST_F(ThreeDayList, EmptyBlockLeavesThatCityUntouched) {
    listCity(ForecastList::ThreeDay, u"100001", u"110000", u"北京", u"1");
    listCity(ForecastList::ThreeDay, u"900001", u"000000", u"无名");  // unknown to the service
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气更新"));
    EXPECT_TRUE(stamps(ForecastList::ThreeDay).findByName(u"北京").has_value());
    EXPECT_FALSE(stamps(ForecastList::ThreeDay).findByName(u"无名").has_value());
    EXPECT_EQ(list.model().rows()[1].firstLine, u"请更新查看");
}

TEST_F(ThreeDayList, DeleteRemovesTheCityAndItsForecast) {
    listThree();
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气更新"));
    h.key(list, ui::VK_DOWN);
    ASSERT_TRUE(h.command(list, u"删除城市"));
    EXPECT_FALSE(cities(ForecastList::ThreeDay).findByName(u"天津").has_value());
    EXPECT_FALSE(stamps(ForecastList::ThreeDay).findByName(u"天津").has_value());
    EXPECT_EQ(list.model().rows().size(), 2u);
    EXPECT_FALSE(drawn(list, u"天津"));
    EXPECT_EQ(h.messages().count(), 0u);
}

TEST_F(ThreeDayList, NineCitiesMakeTheListScroll) {
    const char16_t* names[] = {u"北京", u"天津", u"上海", u"重庆",  u"成都",
                               u"承德", u"常德", u"昌都", u"峨眉山"};
    for (int i = 0; i < 9; ++i) {
        listCity(ForecastList::ThreeDay, std::u16string(u"10000") + platform::fromInt(i),
                 std::u16string(u"1") + platform::fromInt(i), names[i]);
    }
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    EXPECT_TRUE(list.scrollBarShown());
    for (int i = 0; i < 8; ++i) h.key(list, ui::VK_DOWN);
    const auto bar = h.log(list).findPicture(u"tmd.png");
    ASSERT_TRUE(bar.has_value());
    EXPECT_EQ(bar->rect.right, 240 - 13);
}

TEST_F(ThreeDayList, PenSelectsARowAndReleasingOnItOpensTheDetail) {
    listThree();
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    list.PenDown(100, 26 + 60 + 30);
    list.PenUp(200, 10);  // released elsewhere: selection only
    EXPECT_EQ(list.model().selection(), 1);
    EXPECT_FALSE(h.wasOpened(u"CtevaloTeVoWeatherRetuen"));
    h.tap(list, 100, 26 + 120 + 30);
    EXPECT_EQ(list.model().selection(), 2);
    EXPECT_TRUE(h.wasOpened(u"CtevaloTeVoWeatherRetuen"));
}

struct FaultCase {
    const char* fault;
    const char16_t* message;
};

class ThreeDayListFaults : public ThreeDayList, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ThreeDayListFaults, FailedUpdateStoresNothingAndSaysWhy) {
    listThree();
    ASSERT_TRUE(h.server()->setFault("/spservers/kuvaro_weathers", GetParam().fault));
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气更新"));
    EXPECT_TRUE(h.messages().wasShown(GetParam().message)) << utf8(h.messages().last().text);
    EXPECT_FALSE(stamps(ForecastList::ThreeDay)
                     .list()
                     .value_or(std::vector<store::CityUpdateRecord>{})
                     .size() > 0);
    EXPECT_EQ(list.model().rows()[0].firstLine, u"请更新查看");
    // The progress thread ran to its end: every name was written.
    EXPECT_EQ(list.progressTexts().size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(ErrorReplies, ThreeDayListFaults,
                         ::testing::Values(FaultCase{"0", u"无法获取网络数据"},
                                           FaultCase{"-1", u"无法获取网络数据"},
                                           FaultCase{"html", u"无法获取网络数据"},
                                           FaultCase{"close", u"地址无效"}));

TEST_F(ThreeDayList, DeadServerFailsWithinTheTimeOut) {
    listThree();
    setenv("TEVALO_HTTP_CONNECT_TIMEOUT_MS", "500", 1);
    setenv("TEVALO_HTTP_TIMEOUT_MS", "1000", 1);
    h.server()->stop();
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(h.command(list, u"天气更新"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_GT(h.messages().count(), 0u);
    EXPECT_FALSE(stamps(ForecastList::ThreeDay).stamp().has_value());
    unsetenv("TEVALO_HTTP_CONNECT_TIMEOUT_MS");
    unsetenv("TEVALO_HTTP_TIMEOUT_MS");
}

TEST_F(ThreeDayList, HeaderTellsTheAgeOfTheStoredStamp) {
    store::CityUpdateRecord stamp;
    stamp.cityId = u"65535";
    stamp.cityName = u"更新时间";
    stamp.days[0] = u"2026-12-07 06:30:00";  // the harness clock shows 09:30
    ASSERT_TRUE(stamps(ForecastList::ThreeDay).addOrReplace(stamp));
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    const auto header = h.log(list).findText(u"最近更新：3小时前");
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->rect, (ui::Rect{0, 26, 220, 46}));
    EXPECT_EQ(header->format, ui::DT_RIGHT | ui::DT_VCENTER | ui::DT_SINGLELINE);
}

TEST_F(ThreeDayList, MissingSelectionBarIsReportedAndTheRowsStillShow) {
    listThree();
    h.removePicture("tmd.png");
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    EXPECT_TRUE(h.messages().wasShown(u"加载天气图标失败"));
    EXPECT_TRUE(drawn(list, u"北京"));
    EXPECT_FALSE(h.log(list).findPicture(u"tmd.png").has_value());
}

TEST_F(ThreeDayList, ForwardAndRecommendReachTheComposer) {
    listThree();
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气转发"));
    ASSERT_EQ(h.shell().composed().size(), 1u);
    const auto& forward = h.shell().composed()[0];
    EXPECT_EQ(forward.to, u"");
    EXPECT_EQ(forward.body, u"此消息来至米多晴雨匣");
    EXPECT_EQ(forward.subject, u"北京\n今天：未知\n明天：未知\n后天：未知");

    ASSERT_TRUE(h.command(list, u"推荐好友"));
    ASSERT_EQ(h.shell().composed().size(), 2u);
    EXPECT_EQ(h.shell().composed()[1].subject,
              u"我正在使用天气预报软件“米多晴雨匣”，真的很不错哟！下载地址：" +
                  h.context().contacts().listWapSite);
}

}  // namespace

namespace {

// A volume that cannot be written (read-only, full, or held mid-write by
// another process): each store step of the list tells the user, and what was
// stored before stays as it was.
class ThreeDayListOnAFaultyVolume
    : public ThreeDayList,
      public ::testing::WithParamInterface<testing_support::VolumeFault::Kind> {
protected:
    // Runs `change` on the list of three cities under the fault: the user is
    // told, and the list shown and stored stays as it was.
    void underTheFault(const std::function<void(CtevaloTeVoWeather&)>& change) {
        listThree();
        const auto before = cities(ForecastList::ThreeDay).listByDefault();
        CtevaloTeVoWeather list(h.context(), nullptr);
        h.show(list);
        {
            testing_support::VolumeFault fault(h.context().volumes().cityDatabase, GetParam());
            if (!fault.active()) GTEST_SKIP() << "mounting needs root";
            change(list);
            EXPECT_EQ(h.messages().texts(),
                      std::vector<std::u16string>{u"数据保存失败，请检查存储空间"});
        }
        EXPECT_EQ(list.model().rows().size(), 3u);
        EXPECT_EQ(cities(ForecastList::ThreeDay).listByDefault(), before);
    }
};

TEST_P(ThreeDayListOnAFaultyVolume, UpdateSaysSoAndKeepsTheStoredForecast) {
    listThree();
    h.server()->setTime({2026, 12, 6, 8, 0, 0});
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"天气更新"));
    const auto before = stamps(ForecastList::ThreeDay).list();
    ASSERT_TRUE(before && before->size() == 4u);
    h.server()->setTime({2026, 12, 7, 8, 0, 0});
    {
        testing_support::VolumeFault fault(h.context().volumes().cityDatabase, GetParam());
        if (!fault.active()) GTEST_SKIP() << "mounting needs root";
        ASSERT_TRUE(h.command(list, u"天气更新"));
        EXPECT_EQ(h.messages().texts(),
                  std::vector<std::u16string>{u"数据保存失败，请检查存储空间"});
        // A full or busy volume still reads: what it holds is the earlier forecast.
        if (const auto during = stamps(ForecastList::ThreeDay).list()) {
            EXPECT_EQ(*during, *before);
        }
    }
    EXPECT_EQ(stamps(ForecastList::ThreeDay).list(), before);
    EXPECT_TRUE(platform::propdb::Volume::mount(h.context().volumes().cityDatabase,
                                                platform::propdb::MountMode::OpenExisting));
}

TEST_P(ThreeDayListOnAFaultyVolume, AddingACitySaysSoAndListsNothingNew) {
    underTheFault([&](CtevaloTeVoWeather& list) { typeIntoQuery(list, u"广州"); });
}

TEST_P(ThreeDayListOnAFaultyVolume, DeletingACitySaysSoAndKeepsIt) {
    underTheFault([&](CtevaloTeVoWeather& list) {
        ASSERT_TRUE(h.command(list, u"删除城市"));
        EXPECT_TRUE(drawn(list, u"北京"));
    });
}

INSTANTIATE_TEST_SUITE_P(Faults, ThreeDayListOnAFaultyVolume,
                         ::testing::Values(testing_support::VolumeFault::Kind::ReadOnly,
                                           testing_support::VolumeFault::Kind::Full,
                                           testing_support::VolumeFault::Kind::Busy),
                         [](const auto& info) {
                             return testing_support::VolumeFault::name(info.param);
                         });

}  // namespace

namespace {

// The list's cities or their forecasts cannot be read (a damaged page): the
// user is told once instead of meeting an empty list, and the rows read
// before stay.
class ThreeDayListUnreadable : public ThreeDayList,
                               public ::testing::WithParamInterface<const char*> {
protected:
    // Three cities with their forecasts stored.
    void SetUp() override {
        ThreeDayList::SetUp();
        listThree();
        CtevaloTeVoWeather list(h.context(), nullptr);
        h.show(list);
        ASSERT_TRUE(h.command(list, u"天气更新"));
        ASSERT_EQ(h.messages().count(), 0u);
    }
};

TEST_P(ThreeDayListUnreadable, OpeningSaysSoOnce) {
    testing_support::DamagedTable damaged(h.context().volumes().cityDatabase, GetParam());
    ASSERT_TRUE(damaged.damaged());
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{u"数据读取失败，请稍后重试"});
}

TEST_P(ThreeDayListUnreadable, ReloadingKeepsTheRowsShown) {
    CtevaloTeVoWeather list(h.context(), nullptr);
    h.show(list);
    ASSERT_EQ(list.model().rows().size(), 3u);
    testing_support::DamagedTable damaged(h.context().volumes().cityDatabase, GetParam());
    ASSERT_TRUE(damaged.damaged());
    ui::WindowRegistry::SendMessage(&list, app::CityListScreen::kReloadCities, 1, 0);
    EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{u"数据读取失败，请稍后重试"});
    EXPECT_EQ(list.model().rows().size(), 3u);
    EXPECT_TRUE(drawn(list, u"成都"));
}

INSTANTIATE_TEST_SUITE_P(Tables, ThreeDayListUnreadable,
                         ::testing::Values("UsersAddTeVoWeather", "CityUpdateDateTeVoWeather"));

}  // namespace
