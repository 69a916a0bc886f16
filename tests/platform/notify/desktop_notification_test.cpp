// Desktop notifications over a real session bus (the test runs under
// dbus-run-session) to a notification server of our own.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>

#include "NotificationServerProcess.h"
#include "platform/notify/DesktopNotification.h"

namespace {

using testing_support::NotificationServerProcess;

const platform::DesktopNotification kNotice{u"米多晴雨匣", u"米多晴雨匣", u"暴雨蓝色预警\n第二行"};

TEST(DesktopNotification, ReachesTheNotificationServiceWithItsTexts) {
    NotificationServerProcess server;
    ASSERT_TRUE(server.ready());
    ASSERT_TRUE(platform::postDesktopNotification(kNotice));
    const auto received = server.received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].appName, "米多晴雨匣");
    EXPECT_EQ(received[0].summary, "米多晴雨匣");
    EXPECT_EQ(received[0].body, "暴雨蓝色预警\\n第二行");
}

TEST(DesktopNotification, WithoutANotificationServiceIsRefusedQuietly) {
    EXPECT_FALSE(platform::postDesktopNotification(kNotice));
}

// Last: it takes the bus away from the process.
TEST(DesktopNotification, WithoutASessionBusIsSkippedWithoutStartingOne) {
    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / ("tevalo-no-bus-" + std::to_string(getpid()));
    std::filesystem::create_directories(empty);
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("XDG_RUNTIME_DIR", empty.c_str(), 1);
    EXPECT_FALSE(platform::postDesktopNotification(kNotice));
    std::filesystem::remove_all(empty);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
        std::fprintf(stderr, "no session bus: run under dbus-run-session\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
