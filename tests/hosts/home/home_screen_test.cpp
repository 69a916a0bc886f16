// The home screen host: which items it loads, how it survives items that cannot be
// loaded, its reload on another process's broadcast, and selection and taps.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <fstream>

#include "hosts/home/HomeScreen.h"
#include "platform/clock/Clock.h"
#include "platform/device/DevicePath.h"
#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/registry/Registry.h"
#include "platform/shell/SettingChange.h"
#include "tests/today/TodayTestDevice.h"

namespace {

namespace fs = std::filesystem;
using platform::RegistryHive;

const std::u16string kItems = u"Software\\Microsoft\\Today\\Items\\";

class HomeScreenTest : public ::testing::Test {
protected:
    HomeScreenTest() : clock_({2026, 12, 7, 10, 0, 0, 1}) {
        // The library as the installer places it: a copy in \Windows.
        fs::copy_file(today_test::TodayTestDevice::libraryFile(),
                      platform::hostPath(u"\\Windows\\libtevaloWeatherToDay.so"));
        device_.addCity(u"北京", u"110000", u"1", u"1");
    }

    platform::Registry registry() const { return platform::Registry::forDevice(); }

    void registerItem(const std::u16string& name, const std::u16string& dll, uint32_t order,
                      uint32_t enabled = 1) {
        const auto key = kItems + name;
        ASSERT_TRUE(registry().setDword(RegistryHive::LocalMachine, key, u"Enabled", enabled));
        ASSERT_TRUE(registry().setDword(RegistryHive::LocalMachine, key, u"Order", order));
        ASSERT_TRUE(registry().setDword(RegistryHive::LocalMachine, key, u"Type", 4));
        ASSERT_TRUE(registry().setString(RegistryHive::LocalMachine, key, u"DLL", dll));
    }

    std::unique_ptr<home::HomeScreen> openScreen() {
        auto screen = std::make_unique<home::HomeScreen>(registry());
        screen->resize(240, 294);
        screen->reloadItems();
        return screen;
    }

    static bool waitFor(const std::function<bool()>& done, int ms = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < ms) QTest::qWait(20);
        return done();
    }

    today_test::TodayTestDevice device_;
    platform::FixedClock clock_;
    platform::ScriptedMessageBoxes messages_;
};

TEST_F(HomeScreenTest, LoadsTheEnabledItemsInOrderFromTheirDeviceLibraryPath) {
    registerItem(u"\"米多晴雨匣\"", u"\\Windows\\tevaloWeatherToDay.dll", 2);
    registerItem(u"second", u"\\Windows\\tevaloWeatherToDay.dll", 1);
    registerItem(u"off", u"\\Windows\\tevaloWeatherToDay.dll", 0, 0);
    auto screen = openScreen();
    ASSERT_EQ(screen->items().size(), 2u);
    EXPECT_EQ(screen->items()[0]->entry().name, u"second");
    EXPECT_EQ(screen->items()[1]->entry().name, u"\"米多晴雨匣\"");
    EXPECT_EQ(screen->items()[0]->height(), 101);
    EXPECT_EQ(messages_.count(), 0u);

    screen->grab();  // paints the items
    EXPECT_NE(today_test::findText(screen->items()[0]->drawLog(), u"北京"), nullptr);
}

struct BrokenItemCase {
    const char* name;
    const char16_t* dll;
    const char* content;  // written to the library file; nullptr: no file
};

class ItemThatCannotLoad : public HomeScreenTest,
                           public ::testing::WithParamInterface<BrokenItemCase> {};

TEST_P(ItemThatCannotLoad, IsNamedOnceWhileTheOthersKeepWorking) {
    const auto& c = GetParam();
    if (c.content) {
        std::ofstream(platform::hostPath(c.dll)) << c.content;
    }
    registerItem(u"broken", c.dll, 1);
    registerItem(u"\"米多晴雨匣\"", u"\\Windows\\tevaloWeatherToDay.dll", 2);
    auto screen = openScreen();
    ASSERT_EQ(screen->items().size(), 1u);
    EXPECT_EQ(screen->items()[0]->entry().name, u"\"米多晴雨匣\"");
    ASSERT_EQ(messages_.count(), 1u);
    EXPECT_EQ(messages_.last().text, u"无法加载桌面项目：broken");

    screen->reloadItems();
    EXPECT_EQ(screen->items().size(), 1u);
    EXPECT_EQ(messages_.count(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, ItemThatCannotLoad,
    ::testing::Values(BrokenItemCase{"missing", u"\\Windows\\gone.dll", nullptr},
                      BrokenItemCase{"notALibrary", u"\\Windows\\junk.dll", "not an ELF file"},
                      BrokenItemCase{"noDllValue", u"", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HomeScreenTest, LibraryWithoutTheEntryIsReported) {
    // A real library that is not an item.
    fs::copy_file("/lib/x86_64-linux-gnu/libz.so.1", platform::hostPath(u"\\Windows\\z.dll"));
    registerItem(u"zlib", u"\\Windows\\z.dll", 1);
    auto screen = openScreen();
    EXPECT_TRUE(screen->items().empty());
    ASSERT_EQ(messages_.count(), 1u);
    EXPECT_EQ(messages_.last().text, u"无法加载桌面项目：zlib");
}

TEST_F(HomeScreenTest, ReloadsWhenAnotherProcessBroadcastsTheSettingChange) {
    registerItem(u"\"米多晴雨匣\"", u"\\Windows\\tevaloWeatherToDay.dll", 1);
    auto screen = openScreen();
    ASSERT_EQ(screen->items().size(), 1u);

    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        const bool stored = platform::Registry::forDevice().setDword(
            RegistryHive::LocalMachine, kItems + u"\"米多晴雨匣\"", u"Enabled", 0);
        _exit(stored && platform::SettingChange::broadcast(home::kReloadItemsMessage) ? 0 : 1);
    }
    int status = 0;
    waitpid(other, &status, 0);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(waitFor([&] { return screen->items().empty(); }));

    // Another message does not reload.
    ASSERT_TRUE(
        registry().setDword(RegistryHive::LocalMachine, kItems + u"\"米多晴雨匣\"", u"Enabled", 1));
    ASSERT_TRUE(platform::SettingChange::broadcast(0x11));
    QTest::qWait(300);
    EXPECT_TRUE(screen->items().empty());
    ASSERT_TRUE(platform::SettingChange::broadcast(home::kReloadItemsMessage));
    EXPECT_TRUE(waitFor([&] { return screen->items().size() == 1; }));
}

TEST_F(HomeScreenTest, KeysMoveTheSelectionAndReturnStartsTheApplication) {
    device_.installApplicationStandIn();
    registerItem(u"first", u"\\Windows\\tevaloWeatherToDay.dll", 1);
    registerItem(u"second", u"\\Windows\\tevaloWeatherToDay.dll", 2);
    auto screen = openScreen();
    ASSERT_EQ(screen->items().size(), 2u);
    EXPECT_EQ(screen->selected(), -1);

    QTest::keyClick(screen.get(), Qt::Key_Down);
    EXPECT_EQ(screen->selected(), 0);
    QTest::keyClick(screen.get(), Qt::Key_Down);
    EXPECT_EQ(screen->selected(), 1);
    screen->grab();
    // Only the selected item highlights its city row.
    EXPECT_EQ(today_test::count(screen->items()[0]->drawLog(), TEVALO_TODAY_DRAW_FILL), 0);
    EXPECT_EQ(today_test::count(screen->items()[1]->drawLog(), TEVALO_TODAY_DRAW_FILL), 1);

    QTest::keyClick(screen.get(), Qt::Key_Up);
    EXPECT_EQ(screen->selected(), 0);
    EXPECT_EQ(device_.applicationStarts(0), 0);
    QTest::keyClick(screen.get(), Qt::Key_Return);
    EXPECT_EQ(device_.applicationStarts(5000), 1);
}

TEST_F(HomeScreenTest, TapOnAnItemSelectsItAndStartsTheApplication) {
    device_.installApplicationStandIn();
    registerItem(u"\"米多晴雨匣\"", u"\\Windows\\tevaloWeatherToDay.dll", 1);
    auto screen = openScreen();
    ASSERT_EQ(screen->items().size(), 1u);
    const QPoint inside(100, home::HomeScreen::kDateRowHeight + 40);
    QTest::mousePress(screen.get(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(screen->selected(), 0);
    EXPECT_EQ(device_.applicationStarts(0), 0);
    QTest::mouseRelease(screen.get(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(device_.applicationStarts(5000), 1);
}

TEST_F(HomeScreenTest, ReloadAskedForWhileAnItemShowsAMessageWaitsForIt) {
    registerItem(u"\"米多晴雨匣\"", u"\\Windows\\tevaloWeatherToDay.dll", 1);
    auto screen = openScreen();
    ASSERT_EQ(screen->items().size(), 1u);
    const auto* before = screen->items()[0].get();
    // The broadcast arrives while the item's "读注册表失败" box is open.
    int shown = 0;
    const auto previous = platform::setMessageBoxHandler([&](const platform::MessageBoxRequest&) {
        ++shown;
        screen->reloadItems();
        screen->refresh();
        return platform::IDOK;
    });
    const QPoint inside(100, home::HomeScreen::kDateRowHeight + 40);
    QTest::mouseClick(screen.get(), Qt::LeftButton, {}, inside);
    platform::setMessageBoxHandler(previous);
    EXPECT_EQ(shown, 1);
    // The tapped item is still there and selected; the reload follows right after.
    ASSERT_EQ(screen->items().size(), 1u);
    EXPECT_EQ(screen->items()[0].get(), before);
    EXPECT_EQ(screen->selected(), 0);
    EXPECT_TRUE(waitFor([&] { return screen->selected() == -1; }));
    EXPECT_EQ(screen->items().size(), 1u);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
