// The desktop setting screen: the item's `Enabled` switch with its broadcast, and the
// Today flag moving to the chosen three-day city.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <filesystem>

#include "app/settings/CtevaloDesktopDisplay.h"
#include "platform/device/DevicePath.h"
#include "res/ResourceIds.h"
#include "store/CityListStore.h"
#include "tests/support/ScreenHarness.h"

namespace {

using platform::RegistryHive;

class DesktopDisplayTest : public ::testing::Test {
protected:
    store::CityListStore cities() { return {h_.context().volumes(), store::CityList::ThreeDay}; }

    void addCity(const std::u16string& name, const std::u16string& todayFlag) {
        cities().add({name, name + u"0", name, u"", u"", u"0", todayFlag});
    }

    std::u16string todayFlag(const std::u16string& name) {
        const auto city = cities().findByName(name);
        return city ? city->todayFlag : u"(none)";
    }

    std::optional<uint32_t> enabled() {
        return h_.context().registry().getDword(RegistryHive::LocalMachine, app::kTodayItemKey,
                                                u"Enabled");
    }

    // Opens the screen, lets `choose` set the controls, then confirms.
    void confirm(const std::function<void(app::CtevaloDesktopDisplay&)>& choose = {}) {
        app::CtevaloDesktopDisplay screen(h_.context(), nullptr);
        h_.show(screen);
        if (choose) choose(screen);
        ASSERT_TRUE(h_.command(screen, u"确定"));
        waitingTextShown_ = h_.log(screen).findText(u"正在设置中，请稍候").has_value();
    }

    static void select(app::CtevaloDesktopDisplay& screen, const QString& name) {
        auto* list = screen.Control<QComboBox>(res::IDC_DESKTOP_CITY);
        list->setCurrentIndex(list->findText(name));
    }

    testing_support::ScreenHarness h_;
    bool waitingTextShown_ = false;
};

TEST_F(DesktopDisplayTest, ListsTheTodayCityFirstAndSelectsIt) {
    addCity(u"上海", u"0");
    addCity(u"北京", u"1");
    app::CtevaloDesktopDisplay screen(h_.context(), nullptr);
    h_.show(screen);
    auto* list = screen.Control<QComboBox>(res::IDC_DESKTOP_CITY);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("北京"));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_TRUE(screen.Control<QCheckBox>(res::IDC_DESKTOP_SHOW)->isChecked());
}

TEST_F(DesktopDisplayTest, ChoosingAnotherCityMovesTheTodayFlag) {
    addCity(u"北京", u"1");
    addCity(u"上海", u"0");
    confirm([](auto& screen) { select(screen, QStringLiteral("上海")); });
    EXPECT_EQ(enabled(), 1u);
    EXPECT_EQ(h_.shell().broadcasts(), std::vector<unsigned>{0xF2});
    EXPECT_EQ(todayFlag(u"上海"), u"1");
    EXPECT_EQ(todayFlag(u"北京"), u"0");
    EXPECT_TRUE(waitingTextShown_);
    EXPECT_EQ(h_.messages().count(), 0u);
}

TEST_F(DesktopDisplayTest, SameCityOnlySwitchesTheItemOn) {
    addCity(u"北京", u"1");
    addCity(u"上海", u"0");
    confirm();
    EXPECT_EQ(enabled(), 1u);
    EXPECT_EQ(h_.shell().broadcasts().size(), 1u);
    EXPECT_EQ(todayFlag(u"北京"), u"1");
    EXPECT_EQ(todayFlag(u"上海"), u"0");
}

TEST_F(DesktopDisplayTest, UncheckedSwitchesTheItemOffAndKeepsTheFlags) {
    addCity(u"北京", u"1");
    addCity(u"上海", u"0");
    confirm([](auto& screen) {
        screen.template Control<QCheckBox>(res::IDC_DESKTOP_SHOW)->setChecked(false);
        select(screen, QStringLiteral("上海"));
    });
    EXPECT_EQ(enabled(), 0u);
    EXPECT_EQ(h_.shell().broadcasts(), std::vector<unsigned>{0xF2});
    EXPECT_EQ(todayFlag(u"北京"), u"1");
    EXPECT_EQ(todayFlag(u"上海"), u"0");
}

TEST_F(DesktopDisplayTest, WithoutAChosenCitySettingFails) {
    confirm();  // empty three-day list
    EXPECT_EQ(enabled(), 1u);
    ASSERT_EQ(h_.messages().count(), 1u);
    EXPECT_EQ(h_.messages().last().text, u"设置失败，请重试");
    EXPECT_EQ(h_.messages().last().caption, u"提示");
}

TEST_F(DesktopDisplayTest, FirstDesktopCityCanBeChosenWhenNoneHadTheFlag) {
    addCity(u"北京", u"0");
    addCity(u"上海", u"0");
    confirm();  // nothing selected
    EXPECT_TRUE(h_.messages().wasShown(u"设置失败，请重试"));

    confirm([](auto& screen) { select(screen, QStringLiteral("上海")); });
    EXPECT_EQ(todayFlag(u"上海"), u"1");
    EXPECT_EQ(todayFlag(u"北京"), u"0");
}

TEST_F(DesktopDisplayTest, CancelChangesNothing) {
    addCity(u"北京", u"1");
    addCity(u"上海", u"0");
    app::CtevaloDesktopDisplay screen(h_.context(), nullptr);
    h_.show(screen);
    select(screen, QStringLiteral("上海"));
    ASSERT_TRUE(h_.command(screen, u"取消"));
    EXPECT_FALSE(enabled());
    EXPECT_TRUE(h_.shell().broadcasts().empty());
    EXPECT_EQ(todayFlag(u"北京"), u"1");
    EXPECT_EQ(todayFlag(u"上海"), u"0");
}

TEST_F(DesktopDisplayTest, UnwritableRegistrySaysTheItemIsNotInstalled) {
    addCity(u"北京", u"1");
    // A folder where the registry file belongs: nothing can be written.
    const auto file = platform::hostPath(platform::kRegistryFile);
    std::filesystem::remove(file);
    std::filesystem::create_directories(file);
    confirm();
    ASSERT_GE(h_.messages().count(), 1u);
    EXPECT_EQ(h_.messages().shown()[0].text, u"未安装桌面显示，请重新安装本软件");
    EXPECT_EQ(h_.messages().shown()[0].type & platform::MB_ICONMASK, platform::MB_ICONEXCLAMATION);
    EXPECT_TRUE(h_.shell().broadcasts().empty());
    EXPECT_FALSE(waitingTextShown_);
    EXPECT_EQ(todayFlag(u"北京"), u"1");
    EXPECT_TRUE(h_.shell().homeAutostarts().empty()) << "the item is not installed";
}

// The item runs after login exactly when it is shown; cancelling leaves the login
// entry as it was, and a failure to record it is told.
struct LoginCase {
    const char* name;
    bool show;
    bool recorded;
};

class DesktopDisplayLoginTest : public DesktopDisplayTest,
                                public ::testing::WithParamInterface<LoginCase> {};

TEST_P(DesktopDisplayLoginTest, LoginStartFollowsTheShowBox) {
    addCity(u"北京", u"1");
    h_.shell().setAutostartSucceeds(GetParam().recorded);
    confirm([](auto& screen) {
        screen.template Control<QCheckBox>(res::IDC_DESKTOP_SHOW)->setChecked(GetParam().show);
    });
    EXPECT_EQ(h_.shell().homeAutostarts(), std::vector<bool>{GetParam().show});
    EXPECT_EQ(enabled(), GetParam().show ? 1u : 0u);
    EXPECT_EQ(h_.messages().wasShown(u"登录后自动显示桌面天气设置未成功"), !GetParam().recorded);
    EXPECT_EQ(todayFlag(u"北京"), u"1");
}

INSTANTIATE_TEST_SUITE_P(Choices, DesktopDisplayLoginTest,
                         ::testing::Values(LoginCase{"ShownRecorded", true, true},
                                           LoginCase{"HiddenRecorded", false, true},
                                           LoginCase{"ShownNotRecorded", true, false},
                                           LoginCase{"HiddenNotRecorded", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesktopDisplayTest, CancelLeavesTheLoginStartAlone) {
    addCity(u"北京", u"1");
    app::CtevaloDesktopDisplay screen(h_.context(), nullptr);
    h_.show(screen);
    ASSERT_TRUE(h_.command(screen, u"取消"));
    EXPECT_TRUE(h_.shell().homeAutostarts().empty());
}

}  // namespace
