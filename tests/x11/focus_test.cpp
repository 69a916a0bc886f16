// The keyboard focus on a real display, with keys only: the query dialogs and the
// first start's city page take typed text as soon as they open (and the action key
// there confirms), Up and Down move between a screen's controls where a control does
// not use them itself, and the scenic-spot chooser's Up and Down move through the
// spots, so any spot of a province can be added without the pen.

#include <gtest/gtest.h>

#include "platform/text/Utf.h"
#include "store/CityListStore.h"
#include "store/RegionStore.h"
#include "store/SettingStore.h"
#include "store/SystemCityStore.h"
#include "store/Volumes.h"
#include "tests/x11/support/RealDisplayTest.h"

namespace x11 {
namespace {

bool listed(store::CityList list, const std::u16string& name) {
    return store::CityListStore(store::Volumes::forDevice(), list).findByName(name).has_value();
}

struct QueryCase {
    const char* name;
    int mainMenuItem;
    const char* listTitle;
    std::vector<std::string> keysToQuery;  // from the list to its query dialog ("添加城市")
    const char* queryTitle;
    store::CityList list;
};

const QueryCase kQueryCases[] = {
    {"ThreeDay",
     0,
     "泰沃天气",
     {"F2", "Return", "Return"},
     "泰沃天气城市查询",
     store::CityList::ThreeDay},
    {"Weekly",
     1,
     "天气周报",
     {"F2", "Return", "Return"},
     "天气周报城市查询",
     store::CityList::Weekly},
    {"OnDemand",
     2,
     "天气点播",
     {"F2", "Down", "Down", "Down", "Return"},
     "天气点播城市查询",
     store::CityList::OnDemand},
};

using QueryFocusOnDisplay = RealDisplayTest;

TEST_P(QueryFocusOnDisplay, TypingGoesIntoTheFieldOfEveryQueryDialog) {
    const auto typed = store::SystemCityStore(store::Volumes::forDevice()).lookup(u"cd");
    ASSERT_TRUE(typed);
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    for (const QueryCase& c : kQueryCases) {
        SCOPED_TRACE(c.name);
        openMainMenuItem(c.mainMenuItem);
        ASSERT_TRUE(waitForTop(c.listTitle)) << windows_->describe();
        for (const auto& key : c.keysToQuery) input_->key(key);
        ASSERT_TRUE(waitForTop(c.queryTitle)) << windows_->describe();

        input_->type("cd");
        input_->key("Return");
        EXPECT_TRUE(waitFor([&] { return listed(c.list, typed->cityName); }))
            << windows_->describe();
        // Back to the main menu: answer what the list asks, then leave it.
        while (waitFor([&] { return messageOnTop().has_value(); }, std::chrono::seconds(2))) {
            input_->key("Escape");
            waitFor([&] { return !messageOnTop(); });
        }
        if (windows_->shown(c.queryTitle)) input_->key("F1");
        ASSERT_TRUE(waitForTop(c.listTitle)) << windows_->describe();
        input_->key("F1");
        ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Both, QueryFocusOnDisplay, kWindowManagers, windowManagerName);

using FirstStartOnDisplay = RealDisplayTest;

// A first start: the city page's field has the keyboard, and typed initials
// with the action key add that city as the default one and end the wizard.
TEST_P(FirstStartOnDisplay, TypedInitialsAndReturnAddTheOwnCity) {
    store::SettingRecord notDone;
    notDone.settingId = store::kTodayCitySettingId;
    notDone.settingName = store::kTodayCitySettingName;
    notDone.setFlag.clear();  // no set flag: the wizard has not run
    ASSERT_TRUE(store::SettingStore(store::Volumes::forDevice()).store(notDone));
    const auto city = store::SystemCityStore(store::Volumes::forDevice()).lookup(u"bj");
    ASSERT_TRUE(city);
    application_ = std::make_unique<e2e::ChildProgram>(
        QString::fromStdString(device_.installedProgram().string()), QStringList{},
        displayEnvironment(), device_.outputFile("tevaloWeather"));
    ASSERT_TRUE(application_->start());
    ASSERT_TRUE(waitForTop(kLogoTitle)) << windows_->describe();
    input_->key("Return");
    ASSERT_TRUE(waitForScreen("CtevaloSetupWizard")) << windows_->describe();
    input_->key("F2");  // "确定"
    ASSERT_TRUE(waitForScreen("CtevaloSetupWizardQuey")) << windows_->describe();

    input_->type("bj");  // over the proposed "成都", which is selected
    input_->key("Return");
    std::string added(1, '<');
    added += platform::toUtf8(city->cityName);
    added += ">添加成功!";
    ASSERT_TRUE(waitFor([&] { return messageOnTop() == added; })) << windows_->describe();
    input_->key("Return");
    ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    const auto own = store::CityListStore(store::Volumes::forDevice(), store::CityList::ThreeDay)
                         .findByName(city->cityName);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->defaultFlag, u"1");
}

INSTANTIATE_TEST_SUITE_P(Both, FirstStartOnDisplay, kWindowManagers, windowManagerName);

using DesktopSettingKeys = RealDisplayTest;

// The desktop setting with keys only: Down leaves the check box for the city
// drop-down, Down there picks the next city, and "确定" makes it the desktop city.
TEST_P(DesktopSettingKeys, DownReachesTheCityListAndPicksTheNextCity) {
    const auto volumes = store::Volumes::forDevice();
    const store::CityListStore threeDay(volumes, store::CityList::ThreeDay);
    std::vector<std::u16string> names;
    for (const char16_t* typed : {u"北京", u"天津"}) {
        const auto city = store::SystemCityStore(volumes).lookup(typed);
        ASSERT_TRUE(city);
        auto record = store::toUserCity(*city);
        record.todayFlag = names.empty() ? u"1" : u"0";
        ASSERT_TRUE(threeDay.add(record));
        names.push_back(city->cityName);
    }
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    openMainMenuItem(6);  // 桌面设置
    ASSERT_TRUE(waitForScreen("CtevaloDesktopDisplay")) << windows_->describe();
    input_->key("Down");
    input_->key("Down");
    input_->key("F2");  // "确定"
    ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    const auto chosen = threeDay.findByName(names[1]);
    const auto former = threeDay.findByName(names[0]);
    ASSERT_TRUE(chosen && former);
    EXPECT_EQ(chosen->todayFlag, u"1");
    EXPECT_EQ(former->todayFlag, u"0");
}

INSTANTIATE_TEST_SUITE_P(Both, DesktopSettingKeys, kWindowManagers, windowManagerName);

using ScenicChooserKeys = RealDisplayTest;

// The scenic spots of one province, in the tree's order.
std::vector<store::RegionRecord> scenicSpotsOf(const std::vector<store::RegionRecord>& tree,
                                               std::u16string_view provinceId) {
    std::vector<store::RegionRecord> spots;
    for (const auto& entry : tree) {
        if (entry.level == store::kLevelScenicSpot && entry.parentId == provinceId) {
            spots.push_back(entry);
        }
    }
    return spots;
}

TEST_P(ScenicChooserKeys, UpAndDownChooseAnySpotOfAProvince) {
    const auto tree = store::RegionStore(store::Volumes::forDevice()).list();
    ASSERT_TRUE(tree);
    // The first province with two spots or more, and its place in the province list.
    const auto provinces = store::RegionStore::provinces(*tree);
    std::size_t province = 0;
    std::vector<store::RegionRecord> spots;
    for (; province < provinces.size(); ++province) {
        spots = scenicSpotsOf(*tree, provinces[province].cityId);
        if (spots.size() >= 2) break;
    }
    ASSERT_GE(spots.size(), 2u);

    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    openMainMenuItem(0);
    ASSERT_TRUE(waitForTop("泰沃天气")) << windows_->describe();
    for (const char* key : {"F2", "Return", "Down", "Return"}) input_->key(key);  // "添加风景区"
    ASSERT_TRUE(waitForScreen("CtevaloRegionalChoose")) << windows_->describe();
    for (std::size_t i = 0; i < province; ++i) input_->key("Down");
    input_->key("Return");
    ASSERT_TRUE(waitForScreen("CtevaloCityScenic")) << windows_->describe();

    // The second spot, then back up to the first; "No" to updating keeps the chooser.
    for (const auto& [key, spot] : {std::pair{"Down", &spots[1]}, std::pair{"Up", &spots[0]}}) {
        input_->key(key);
        input_->key("Return");
        ASSERT_TRUE(waitFor([&] { return messageOnTop() == "添加成功，是否马上更新？"; }))
            << windows_->describe();
        EXPECT_TRUE(listed(store::CityList::ThreeDay, spot->cityName))
            << platform::toUtf8(spot->cityName);
        input_->key("Escape");
        ASSERT_TRUE(waitForScreen("CtevaloCityScenic")) << windows_->describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Both, ScenicChooserKeys, kWindowManagers, windowManagerName);

}  // namespace
}  // namespace x11
