// The list screens' "选项" menus as a person works them with keys on a real display:
// each entry of the forecast lists does what its place promises ("添加" opens a pop-up
// with "添加城市" and "添加风景区"), and deleting the last shown row of a report or
// warning list moves the selection up, the same way in all five lists.

#include <gtest/gtest.h>

#include <QByteArray>
#include <algorithm>
#include <functional>

#include "platform/text/Utf.h"
#include "store/CityListStore.h"
#include "store/ReportStore.h"
#include "store/Volumes.h"
#include "store/WarningStore.h"
#include "tests/x11/support/DeviceLists.h"
#include "tests/x11/support/RealDisplayTest.h"

namespace x11 {
namespace {

using Keys = std::vector<std::string>;

// "选项" opened and the outer entry `index` chosen; `then` are the keys after it.
Keys optionsEntry(int index, Keys then = {"Return"}) {
    Keys keys{"F2"};
    for (int i = 0; i < index; ++i) keys.push_back("Down");
    keys.insert(keys.end(), then.begin(), then.end());
    return keys;
}

struct ForecastListCase {
    const char* name;
    int mainMenuItem;
    const char* title;
    store::CityList list;
    const char* queryTitle;
    const char* provinceChooser;
    const char* detailScreen;
    // Outer entries of "选项"; 0 is "添加".
    int details, recommend, remove, forward;
};

const ForecastListCase kForecastLists[] = {
    {"ThreeDay", 0, "泰沃天气", store::CityList::ThreeDay, "泰沃天气城市查询",
     "CtevaloRegionalChoose", "CtevaloTeVoWeatherRetuen", 1, 6, 3, 5},
    {"Weekly", 1, "天气周报", store::CityList::Weekly, "天气周报城市查询",
     "CtevaloRegionalChooseWeekly", "CtevaloWeeklyRetuen", 1, 2, 3, 5},
};

class ListMenusOnDisplay : public RealDisplayTest {
protected:
    void press(const Keys& keys) const {
        for (const auto& key : keys) input_->key(key);
    }
    // The message the composer got on the last opener call, decoded.
    std::string lastComposerText() const {
        const auto calls = openerCalls();
        if (calls.empty()) return {};
        return QByteArray::fromPercentEncoding(QByteArray::fromStdString(calls.back()))
            .toStdString();
    }
};

// Every entry chosen by its place in the menu: the screen or hand-off that
// entry stands for comes up, and leaving it returns to the list.
TEST_P(ListMenusOnDisplay, EachOptionsEntryDoesWhatItsPlacePromises) {
    for (const ForecastListCase& c : kForecastLists) listCities(c.list, {u"成都", u"天津"});
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    for (const ForecastListCase& c : kForecastLists) {
        SCOPED_TRACE(c.name);
        const auto cities =
            store::CityListStore(store::Volumes::forDevice(), c.list).listByDefault();
        ASSERT_TRUE(cities && cities->size() == 2u);
        const std::u16string first = cities->front().cityName;
        openMainMenuItem(c.mainMenuItem);
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();

        // "添加" opens its pop-up; its first entry is "添加城市", its second "添加风景区".
        press(optionsEntry(0, {"Return", "Return"}));
        ASSERT_TRUE(waitForTop(c.queryTitle)) << windows_->describe();
        input_->key("F1");
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();
        press(optionsEntry(0, {"Right", "Down", "Return"}));
        ASSERT_TRUE(waitForScreen(c.provinceChooser)) << windows_->describe();
        input_->key("F1");
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();
        // Left closes only the inner pop-up: the outer one still takes Down.
        press(optionsEntry(0, {"Right", "Left", "Down", "Return"}));
        ASSERT_TRUE(waitForScreen(c.detailScreen)) << windows_->describe();
        input_->key("F1");
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();

        press(optionsEntry(c.details));
        ASSERT_TRUE(waitForScreen(c.detailScreen)) << windows_->describe();
        input_->key("F1");
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();

        const std::size_t calls = openerCalls().size();
        press(optionsEntry(c.recommend));
        ASSERT_TRUE(waitFor([&] { return openerCalls().size() == calls + 1; }))
            << windows_->describe();
        EXPECT_NE(lastComposerText().find("下载地址"), std::string::npos) << lastComposerText();
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();

        press(optionsEntry(c.forward));
        ASSERT_TRUE(waitFor([&] { return openerCalls().size() == calls + 2; }))
            << windows_->describe();
        EXPECT_NE(lastComposerText().find(platform::toUtf8(first)), std::string::npos)
            << lastComposerText();
        ASSERT_TRUE(waitForTop(c.title)) << windows_->describe();

        press(optionsEntry(c.remove));
        EXPECT_TRUE(waitFor([&] {
            return !store::CityListStore(store::Volumes::forDevice(), c.list).findByName(first);
        })) << platform::toUtf8(first);
        input_->key("F1");
        ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Both, ListMenusOnDisplay, kWindowManagers, windowManagerName);

// Seven entries numbered 1 to 7; every list shows the greatest five first.
struct TitleListCase {
    const char* name;
    int mainMenuItem;
    int servicesEntry;  // the professional services grid entry, or -1
    const char* screen;
    std::function<bool()> seed;
    std::function<std::vector<std::u16string>()> titles;
};

std::u16string numbered(int n) {
    return u"第" + platform::fromInt(n) + u"号";
}

TitleListCase reportCase(const char* name, int entry, const char* screen, store::ReportKind kind) {
    return {
        name,
        3,
        entry,
        screen,
        [kind] {
            std::vector<store::ReportRecord> reports;
            for (int n = 1; n <= 7; ++n)
                reports.push_back({platform::fromInt(n), numbered(n), u"正文", u""});
            return store::ReportStore(store::Volumes::forDevice(), kind).addOrReplaceAll(reports);
        },
        [kind] {
            std::vector<std::u16string> titles;
            const auto all = store::ReportStore(store::Volumes::forDevice(), kind).list();
            if (all)
                for (const auto& r : *all) titles.push_back(r.title);
            return titles;
        }};
}

TitleListCase warningCase(const char* name, int mainMenuItem, const char* screen,
                          store::WarningKind kind) {
    return {name,
            mainMenuItem,
            -1,
            screen,
            [kind] {
                const store::WarningStore warnings(store::Volumes::forDevice(), kind);
                for (int n = 1; n <= 7; ++n)
                    if (!warnings.add({platform::fromInt(n), numbered(n), u"正文", u"", u"0"}))
                        return false;
                return true;
            },
            [kind] {
                std::vector<std::u16string> titles;
                const auto all = store::WarningStore(store::Volumes::forDevice(), kind).list();
                if (all)
                    for (const auto& w : *all)
                        if (!w.title.empty()) titles.push_back(w.title);
                return titles;
            }};
}

std::vector<TitleListCase> titleLists() {
    return {
        reportCase("TenDay", 0, "CtevaloWeatherXuenBao", store::ReportKind::TenDay),
        reportCase("Monthly", 1, "CtevaloWeatherYueBao", store::ReportKind::Monthly),
        reportCase("Quarterly", 2, "CtevaloWeatherJiBao", store::ReportKind::Quarterly),
        warningCase("Disaster", 4, "CtevaloDisasWeather", store::WarningKind::Disaster),
        warningCase("Fire", 5, "CtevaloFireRemind", store::WarningKind::Fire),
    };
}

using SelectionAfterDeleteOnDisplay = ListMenusOnDisplay;

// Rows show 7, 6, 5, 4, 3. Deleting the last shown row (3) lets 2 slide up into
// it; the selection moves up to 4, so a second delete takes 4, not 2 (nor 7, as a
// selection sent back to the first row would).
TEST_P(SelectionAfterDeleteOnDisplay, DeletingTheLastShownRowSelectsTheRowAbove) {
    const auto lists = titleLists();
    for (const auto& c : lists) ASSERT_TRUE(c.seed()) << c.name;
    ASSERT_TRUE(startApplication()) << windows_->describe() << applicationOutput();
    const Keys remove = optionsEntry(2);  // "查看", "更新", "删除"
    for (const auto& c : lists) {
        SCOPED_TRACE(c.name);
        openMainMenuItem(c.mainMenuItem);
        if (c.servicesEntry >= 0) {
            ASSERT_TRUE(waitForScreen("CtevaloProfessionalServices")) << windows_->describe();
            for (int i = 0; i < c.servicesEntry; ++i) input_->key("Right");
            input_->key("Return");
        }
        ASSERT_TRUE(waitForScreen(c.screen)) << windows_->describe();
        for (int i = 0; i < 4; ++i) input_->key("Down");
        press(remove);
        ASSERT_TRUE(waitFor([&] { return c.titles().size() == 6u; })) << windows_->describe();
        press(remove);
        ASSERT_TRUE(waitFor([&] { return c.titles().size() == 5u; })) << windows_->describe();
        std::vector<std::u16string> left = c.titles();
        std::sort(left.begin(), left.end());
        const std::vector<std::u16string> expected{numbered(1), numbered(2), numbered(5),
                                                   numbered(6), numbered(7)};
        EXPECT_EQ(left, expected);
        input_->key("F1");
        if (c.servicesEntry >= 0) {
            ASSERT_TRUE(waitForScreen("CtevaloProfessionalServices")) << windows_->describe();
            input_->key("F1");
        }
        ASSERT_TRUE(waitForTop(kMainMenuTitle)) << windows_->describe();
    }
}

INSTANTIATE_TEST_SUITE_P(Both, SelectionAfterDeleteOnDisplay, kWindowManagers, windowManagerName);

}  // namespace
}  // namespace x11
