// tevalo, the launcher, across the real programs: the first use installs through the
// device installer and its setup hook, every use starts the forecast service and the
// application and ends what it started when the application ends, a second tevalo
// only brings the running application forward, and --remove keeps the user's data.

#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "platform/device/DevicePath.h"
#include "platform/window/WindowClass.h"
#include "tests/e2e/ChildProgram.h"
#include "tests/e2e/InstalledDevice.h"

namespace e2e {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The service process the launcher reported ("..., process N").
int servicePid(const std::string& output) {
    std::smatch match;
    static const std::regex line(
        R"(forecast service \(stand-in\) on 127\.0\.0\.1:\d+, process (\d+))");
    return std::regex_search(output, match, line) ? std::stoi(match[1]) : -1;
}

bool processGone(int pid) {
    // Ended and reaped by its parent, or a zombie nobody needs.
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string text((std::istreambuf_iterator<char>(status)), {});
    return !status.is_open() || text.find("State:\tZ") != std::string::npos;
}

class LauncherTest : public ::testing::Test {
protected:
    QProcessEnvironment environment() const {
        QProcessEnvironment env = device_.environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"),
                   QString::fromStdString((device_.root() / "config").string()));
        env.remove(QStringLiteral("TEVALO_SERVICE_HOST"));
        return env;
    }
    std::unique_ptr<ChildProgram> launcher(const QStringList& arguments) {
        auto program =
            std::make_unique<ChildProgram>(QStringLiteral(TEVALO_LAUNCHER_PROGRAM), arguments,
                                           environment(), device_.outputFile("tevalo"));
        EXPECT_TRUE(program->start());
        return program;
    }
    // The application runs and answers as a window (it does once its start-up pages show).
    bool applicationReady() const {
        return device_.applicationProcesses().size() == 1 && platform::findWindowByClass(u"晴雨匣");
    }
    fs::path installRecord() const { return device_.root() / "xdg" / "tevalo" / "installed"; }
    fs::path userVolume() const {
        return device_.host(u"\\Program Files\\tevaloWeather\\CityDatabase.vol");
    }

    InstalledDevice device_;
};

TEST_F(LauncherTest, InstallsOnceRunsTheApplicationAndEndsWhatItStarted) {
    // First use: the installer's setup hook starts the application; tevalo waits for it.
    auto first = launcher({});
    ASSERT_TRUE(waitUntil(90s, [&] { return applicationReady(); })) << first->output();
    const int service = servicePid(first->output());
    ASSERT_GT(service, 0) << first->output();
    EXPECT_FALSE(processGone(service));
    // The record is written once the installer has returned, which may be after the
    // application it started is up.
    EXPECT_TRUE(waitUntil(30s, [&] { return fs::exists(installRecord()); }));
    EXPECT_TRUE(fs::exists(device_.root() / "config" / "tevalo" / "tevalo.conf"));
    EXPECT_FALSE(fs::exists(device_.root() / "xdg" / "applications"))
        << "the package brings the menu entry; the installer adds none";

    // A second tevalo brings the running application forward and starts nothing.
    auto second = launcher({});
    ASSERT_EQ(second->finish(60s), 0) << second->output();
    EXPECT_NE(second->output().find("already running"), std::string::npos) << second->output();
    EXPECT_EQ(servicePid(second->output()), -1) << second->output();
    EXPECT_EQ(device_.applicationProcesses().size(), 1u);

    // The application ends: so do tevalo and the service it started.
    ASSERT_TRUE(device_.stopApplication());
    ASSERT_EQ(first->finish(60s), 0) << first->output();
    EXPECT_TRUE(processGone(service));

    // The next use installs nothing, passes its arguments on and reaches the main menu.
    auto again = launcher({QStringLiteral("--"), QStringLiteral("--first-paint")});
    ASSERT_EQ(again->finish(120s), 0) << again->output();
    EXPECT_EQ(again->output().find("installing"), std::string::npos) << again->output();
    EXPECT_NE(again->output().find("first-paint-ms"), std::string::npos) << again->output();
    const int secondService = servicePid(again->output());
    ASSERT_GT(secondService, 0);
    EXPECT_TRUE(processGone(secondService));

    // Stopping tevalo ends the application and the service it started.
    auto stopped = launcher({});
    ASSERT_TRUE(waitUntil(90s, [&] { return applicationReady(); })) << stopped->output();
    const int thirdService = servicePid(stopped->output());
    ::kill(static_cast<pid_t>(stopped->pid()), SIGTERM);
    ASSERT_TRUE(stopped->finish(60s).has_value()) << stopped->output();
    EXPECT_TRUE(waitUntil(30s, [&] { return device_.applicationProcesses().empty(); }));
    EXPECT_TRUE(processGone(thirdService));

    // Removal takes the programs and keeps the user's data; the home item needs an
    // installation and says so.
    auto removed = launcher({QStringLiteral("--remove")});
    ASSERT_EQ(removed->finish(60s), 0) << removed->output();
    EXPECT_FALSE(fs::exists(device_.installedProgram()));
    EXPECT_TRUE(fs::exists(userVolume()));
    EXPECT_FALSE(fs::exists(installRecord()));
    auto home = launcher({QStringLiteral("--home")});
    EXPECT_EQ(home->finish(30s), 1) << home->output();
    EXPECT_NE(home->output().find("not installed"), std::string::npos) << home->output();
}

TEST_F(LauncherTest, MistypedConfigurationStartsNothingAndNamesTheFile) {
    const fs::path config = device_.root() / "config" / "tevalo" / "tevalo.conf";
    fs::create_directories(config.parent_path());
    std::ofstream(config) << "service = fast\n";
    auto run = launcher({});
    ASSERT_EQ(run->finish(60s), 1) << run->output();
    EXPECT_NE(run->output().find(config.string() + ": line 1"), std::string::npos) << run->output();
    EXPECT_FALSE(fs::exists(device_.installedProgram()));
    EXPECT_TRUE(device_.applicationProcesses().empty());
}

TEST_F(LauncherTest, GivenServiceIsUsedAndNoLocalOneStarts) {
    auto run = launcher({QStringLiteral("--service"), QStringLiteral("127.0.0.1:9"),
                         QStringLiteral("--"), QStringLiteral("--first-paint")});
    // First use: the hook's application waits in its first-run pages; close it.
    ASSERT_TRUE(waitUntil(90s, [&] { return applicationReady(); })) << run->output();
    EXPECT_EQ(servicePid(run->output()), -1) << run->output();
    ASSERT_TRUE(device_.stopApplication());
    EXPECT_EQ(run->finish(60s), 0) << run->output();
}

}  // namespace
}  // namespace e2e
