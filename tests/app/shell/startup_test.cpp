// Start-up of the main menu: client code, logo, first-run wizard and the
// values every screen reads afterwards.

#include <QLineEdit>
#include <functional>

#include "MenuFixture.h"
#include "app/shell/CtevaloSetupWizard.h"
#include "platform/registry/Registry.h"
#include "res/ResourceIds.h"

#include "platform/text/Utf.h"
#include "platform/ui/WindowRegistry.h"
#include "store/CityListStore.h"
#include "store/SystemCityStore.h"
#include "tests/support/DamagedTable.h"
#include "tests/support/HeldVolume.h"
#include "weather/ClientCode.h"

namespace {

using platform::ui::CDialog;
using Key = testing_support::ScreenHarness::Key;

class FirstStart : public MenuFixture {
protected:
    void createTodayItemKey() {
        ASSERT_TRUE(
            h.context().registry().createKey(platform::RegistryHive::LocalMachine,
                                             u"Software\\Microsoft\\Today\\Items\\\"米多晴雨匣\""));
    }
    std::optional<std::uint32_t> todayEnabled() {
        return h.context().registry().getDword(platform::RegistryHive::LocalMachine,
                                               u"Software\\Microsoft\\Today\\Items\\\"米多晴雨匣\"",
                                               u"Enabled");
    }
    // Page 1 answered with the given boxes and key, page 2 with its key.
    void scriptWizard(bool today, bool autoUpdate, Key page1, Key page2) {
        h.onOpen(u"CtevaloSetupWizard", [=, this](CDialog& d) {
            d.Control<QCheckBox>(res::IDC_CHECK_TODAY)->setChecked(today);
            d.Control<QCheckBox>(res::IDC_CHECK_AUTOUPDATE)->setChecked(autoUpdate);
            h.softKey(d, page1);
        });
        h.onOpen(u"CtevaloSetupWizardQuey", [=, this](CDialog& d) { h.softKey(d, page2); });
    }
};

TEST_F(FirstStart, MakesClientCodeShowsLogoThenBothWizardPagesInOrder) {
    createTodayItemKey();
    scriptWizard(true, true, Key::Right, Key::Left);
    openMenu();

    const auto code = settings().findById(u"21");
    ASSERT_TRUE(code);
    EXPECT_TRUE(weather::isClientCode(code->value));
    EXPECT_EQ(h.context().values().clientCode, code->value);

    std::vector<std::u16string> order;
    for (const auto& c : h.opened())
        if (c != u"CtevaloMenu" && c != u"CtevaloWeatherDlg") order.push_back(c);
    EXPECT_EQ(order, (std::vector<std::u16string>{u"CtevaloLoGo", u"CtevaloSetupWizard",
                                                  u"CtevaloSetupWizardQuey"}));
    EXPECT_TRUE(h.wasOpened(u"CtevaloMenu"));
    const auto done = settings().findById(u"5");
    ASSERT_TRUE(done);
    EXPECT_EQ(done->setFlag, u"1");
    EXPECT_EQ(done->longValue, u"已经设置了");
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(FirstStart, SecondStartKeepsTheCodeAndSkipsTheWizard) {
    scriptWizard(true, true, Key::Right, Key::Left);
    openMenu();
    const std::u16string first = h.context().values().clientCode;
    menu.reset();

    testing_support::ScreenHarness::processEvents();
    openMenu();
    EXPECT_EQ(h.context().values().clientCode, first);
    int wizards = 0;
    for (const auto& c : h.opened()) wizards += c == u"CtevaloSetupWizard";
    EXPECT_EQ(wizards, 1);
}

TEST_F(FirstStart, CancellingPageOneAppliesTheBoxesLikeConfirming) {
    createTodayItemKey();
    h.setTime({2026, 12, 7, 8, 5, 9, 1});
    scriptWizard(false, true, Key::Left, Key::Left);
    openMenu();
    EXPECT_EQ(todayEnabled(), 0u);
    EXPECT_EQ(h.shell().broadcasts(), std::vector<unsigned>{0xF2});
    const auto time = settings().findById(u"6");
    ASSERT_TRUE(time);
    EXPECT_EQ(time->longValue, u"8:05:09");
    EXPECT_EQ(time->settingName, u"自动更新时间");
    EXPECT_FALSE(h.messages().wasShown(u" 自动更新设置未成功，请进入软件重新设置!"));
}

TEST_F(FirstStart, UncheckedAutomaticUpdateSaysSoAndStoresNoTime) {
    createTodayItemKey();
    scriptWizard(true, false, Key::Right, Key::Left);
    openMenu();
    EXPECT_EQ(todayEnabled(), 1u);
    EXPECT_TRUE(h.messages().wasShown(u" 自动更新设置未成功，请进入软件重新设置!"));
    EXPECT_FALSE(settings().findById(u"6"));
}

TEST_F(FirstStart, MissingTodayItemKeyIsReportedAndNothingIsBroadcast) {
    scriptWizard(true, true, Key::Right, Key::Left);
    openMenu();
    EXPECT_TRUE(h.messages().wasShown(u"未安装桌面显示，请重新安装本软件"));
    EXPECT_TRUE(h.shell().broadcasts().empty());
    EXPECT_TRUE(h.shell().homeAutostarts().empty());
    EXPECT_FALSE(todayEnabled());
}

// The home item's login start follows the page's box, whichever soft key closes
// the page.
class FirstStartLogin : public FirstStart,
                        public ::testing::WithParamInterface<std::tuple<bool, Key>> {};

TEST_P(FirstStartLogin, HomeItemLoginStartFollowsTheTodayBox) {
    const auto [today, key] = GetParam();
    createTodayItemKey();
    scriptWizard(today, true, key, Key::Left);
    openMenu();
    EXPECT_EQ(h.shell().homeAutostarts(), std::vector<bool>{today});
    EXPECT_FALSE(h.messages().wasShown(u"登录后自动显示桌面天气设置未成功"));
}

INSTANTIATE_TEST_SUITE_P(BoxAndKey, FirstStartLogin,
                         ::testing::Combine(::testing::Bool(),
                                            ::testing::Values(Key::Left, Key::Right)));

TEST_F(FirstStart, UnrecordedLoginStartIsToldAndStartUpGoesOn) {
    createTodayItemKey();
    h.shell().setAutostartSucceeds(false);
    scriptWizard(true, true, Key::Right, Key::Left);
    openMenu();
    EXPECT_TRUE(h.messages().wasShown(u"登录后自动显示桌面天气设置未成功"));
    EXPECT_EQ(todayEnabled(), 1u);
    EXPECT_TRUE(h.wasOpened(u"CtevaloSetupWizardQuey"));
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(FirstStart, ConfirmingPageTwoAddsTheCityAsDefaultAndTodayCity) {
    if (!h.hasReferenceVolumes()) GTEST_SKIP() << "reference volumes not built";
    scriptWizard(true, true, Key::Right, Key::Right);
    openMenu();
    const auto city =
        store::CityListStore(h.context().volumes(), store::CityList::ThreeDay).findByName(u"成都");
    ASSERT_TRUE(city);
    EXPECT_EQ(city->defaultFlag, u"1");
    EXPECT_EQ(city->todayFlag, u"1");
    EXPECT_TRUE(h.messages().wasShown(u"<成都>添加成功!"));
}

TEST_F(FirstStart, CityAlreadyListedIsReportedAndNotAddedTwice) {
    if (!h.hasReferenceVolumes()) GTEST_SKIP() << "reference volumes not built";
    const store::CityListStore list(h.context().volumes(), store::CityList::ThreeDay);
    const auto chengdu = store::SystemCityStore(h.context().volumes()).lookup(u"成都");
    ASSERT_TRUE(chengdu);
    store::UserCityRecord mine = store::toUserCity(*chengdu);
    mine.defaultFlag = u"0";
    mine.todayFlag = u"0";
    ASSERT_TRUE(list.add(mine));
    scriptWizard(true, true, Key::Right, Key::Right);
    openMenu();
    EXPECT_TRUE(h.messages().wasShown(u"<成都>已经添加!"));
    EXPECT_EQ(list.listByDefault()->size(), 1u);
}

TEST_F(FirstStart, UnknownCityAddsNothingAndSaysNothing) {
    h.onOpen(u"CtevaloSetupWizardQuey", [this](CDialog& d) {
        d.Control<QLineEdit>(res::IDC_SETUPQUERY_EDIT)->setText(QStringLiteral("不存在的城市"));
        h.softKey(d, Key::Right);
    });
    openMenu();
    for (const auto& text : h.messages().texts())
        EXPECT_EQ(text.find(u"添加"), std::u16string::npos) << platform::toUtf8(text);
    EXPECT_TRUE(settings().findById(u"5"));
}

TEST_F(FirstStart, LogoShowsTheIntroductionAndAnyKeyClosesIt) {
    markSetupDone();
    bool painted = false;
    h.onOpen(u"CtevaloLoGo", [&](CDialog& d) {
        const auto& log = h.log(d);
        const auto intro = log.findTextContaining(u"2300");
        painted = intro && intro->rect.left == 14 && intro->rect.top == 14 &&
                  intro->color == platform::ui::kWhite && d.GetWindowText() == u"LOGO界面";
        h.key(d, platform::ui::VK_RETURN);
    });
    openMenu();
    EXPECT_TRUE(painted);
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(FirstStart, CoverWindowShowsHeaderOnTheBackgroundWhileTheLogoRunsAndThenGoes) {
    markSetupDone();
    storeBackground(u"0");
    bool coverPainted = false;
    h.onOpen(u"CtevaloLoGo", [&](CDialog& logo) {
        auto* cover = platform::ui::WindowRegistry::FindWindow(u"CtevaloMenu", u"");
        if (cover) {
            const auto& log = h.log(*cover);
            coverPainted = log.fillAt(100, 200) == platform::ui::rgb(16, 77, 122) &&
                           log.findPicture(u"tmd.png") && log.findText(u"米多晴雨匣V1.5") &&
                           log.findText(h.context().values().dateText);
        }
        logo.EndDialog(platform::IDOK);
    });
    openMenu();
    EXPECT_TRUE(coverPainted);
    EXPECT_EQ(platform::ui::WindowRegistry::FindWindow(u"CtevaloMenu", u""), nullptr);
}

TEST_F(FirstStart, CancellingPageTwoAddsNoCityButFinishesSetup) {
    scriptWizard(true, true, Key::Right, Key::Left);
    openMenu();
    const auto list =
        store::CityListStore(h.context().volumes(), store::CityList::ThreeDay).listByDefault();
    EXPECT_TRUE(!list || list->empty());
    EXPECT_TRUE(settings().findById(u"5"));
}

class StartupValues : public MenuFixture {};

TEST_F(StartupValues, BackgroundNumberComesFromSettingSevenOrDefaultsToOne) {
    markSetupDone();
    openMenu();
    EXPECT_EQ(h.context().values().backgroundNumber, 1);
    EXPECT_EQ(h.log(*menu).fillAt(5, 200), platform::ui::rgb(0, 0, 0));
    menu.reset();

    storeBackground(u"0");
    openMenu();
    EXPECT_EQ(h.context().values().backgroundNumber, 0);
    EXPECT_EQ(h.log(*menu).fillAt(5, 200), platform::ui::rgb(16, 77, 122));
}

TEST_F(StartupValues, DateTextIsTheShortDateOfTheDeviceClock) {
    markSetupDone();
    h.setTime({2026, 3, 4, 23, 59, 0, 3});
    openMenu();
    EXPECT_EQ(h.context().values().dateText, u"2026/3/4");
    EXPECT_TRUE(h.log(*menu).findText(u"2026/3/4"));
    EXPECT_TRUE(h.log(*menu).findText(u"米多晴雨匣V1.5"));
}

}  // namespace

namespace {

// A city volume cut short must not pass for a first start: the user is told
// once, the damaged file stays beside the fresh one, and the product works.
TEST_F(FirstStart, DamagedCityVolumeIsToldSetAsideAndMadeAfresh) {
    h.setTime({2026, 12, 7, 9, 30, 0, 1});
    const auto volume = h.context().volumes().cityDatabase;
    ASSERT_TRUE(store::CityListStore(h.context().volumes(), store::CityList::ThreeDay)
                    .add({u"1", u"510100", u"成都", u"", u"", u"1", u"1"}));
    std::filesystem::resize_file(volume, 1000);
    scriptWizard(true, true, Key::Right, Key::Left);
    openMenu();

    const auto texts = h.messages().texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(),
              u"数据文件CityDatabase.vol已损坏，无法读取。原文件已改名保存为"
              u"CityDatabase.vol.damaged-20261207-093000，已建立新的数据文件");
    const auto aside = volume.parent_path() / "CityDatabase.vol.damaged-20261207-093000";
    ASSERT_TRUE(std::filesystem::exists(aside));
    EXPECT_EQ(std::filesystem::file_size(aside), 1000u);
    // The fresh volume took the new client code.
    const auto code = settings().findById(u"21");
    ASSERT_TRUE(code);
    EXPECT_EQ(code->value, h.context().values().clientCode);
}

}  // namespace

namespace {

// A stored client code that cannot be read at start: the user is told, and the
// code is neither replaced nor stored again, so the installation keeps its
// identity at the service.
class UnreadableClientCode : public FirstStart {
protected:
    void SetUp() override {
        FirstStart::SetUp();
        markSetupDone();
        const auto code = settings().clientCode();
        ASSERT_TRUE(code);
        code_ = *code;
    }

    // Opens the main menu; `whenTold` runs when the code's message shows.
    void startAndTell(const std::function<void()>& whenTold = {}) {
        auto scripted = platform::setMessageBoxHandler({});
        platform::setMessageBoxHandler([&](const platform::MessageBoxRequest& request) {
            if (request.text == u"读取用户信息失败，请稍后重新启动晴雨匣" && whenTold) whenTold();
            return scripted(request);
        });
        openMenu();
        platform::setMessageBoxHandler(scripted);
    }

    void expectTheCodeKept() {
        EXPECT_TRUE(h.messages().wasShown(u"读取用户信息失败，请稍后重新启动晴雨匣"));
        EXPECT_TRUE(h.context().values().clientCode.empty());
        const auto stored = settings().findById(u"21");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->value, code_);
        EXPECT_EQ(settings().clientCode(), code_);
    }

    std::u16string code_;
};

// Another process holds the volume past the busy time-out while the code is
// read; it lets go once the user has been told.
TEST_F(UnreadableClientCode, VolumeHeldByAnotherProcess) {
    testing_support::HeldVolume holder(h.context().volumes().cityDatabase,
                                       testing_support::HeldVolume::Lock::Exclusive);
    ASSERT_TRUE(holder.held());
    startAndTell([&] { holder.release(); });
    ASSERT_FALSE(holder.held()) << "the user was not told";
    EXPECT_EQ(h.messages().texts().front(), u"读取用户信息失败，请稍后重新启动晴雨匣");
    expectTheCodeKept();
}

// The page holding the settings is damaged while the rest of the volume reads.
TEST_F(UnreadableClientCode, DamagedSettingsPage) {
    testing_support::DamagedTable settingsPage(h.context().volumes().cityDatabase,
                                               "UserInformation");
    ASSERT_TRUE(settingsPage.damaged());
    ASSERT_FALSE(settings().findById(u"21"));
    startAndTell();
    // Nothing was written over the damaged page; put back, it still holds the code.
    EXPECT_TRUE(settingsPage.untouched());
    ASSERT_TRUE(settingsPage.restore());
    expectTheCodeKept();
}

}  // namespace
