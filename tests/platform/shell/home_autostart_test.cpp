// The home item's login entry: a valid desktop entry whose Exec line gives back the
// launcher and the device root exactly, whatever characters their paths hold.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/shell/HomeAutostart.h"

namespace {
namespace fs = std::filesystem;

// Exec's value as the desktop runs it: the value's escapes first, then the
// quoting of the arguments.
std::vector<std::string> execArguments(const std::string& entry) {
    const auto start = entry.find("\nExec=");
    const auto end = entry.find('\n', start + 1);
    const std::string escaped = entry.substr(start + 6, end - start - 6);
    std::string value;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\\' && i + 1 < escaped.size() && escaped[i + 1] == '\\') ++i;
        value += escaped[i];
    }
    std::vector<std::string> arguments(1);
    bool quoted = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quoted && c == '\\' && i + 1 < value.size()) {
            arguments.back() += value[++i];
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ' ' && !quoted) {
            arguments.emplace_back();
        } else {
            arguments.back() += c;
        }
    }
    return arguments;
}

std::string read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class HomeAutostartTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("home-autostart-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root_);
        ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
        ::setenv("TEVALO_DEVICE_ROOT", (root_ / "device").c_str(), 1);
        ::setenv("TEVALO_LAUNCHER", "/usr/bin/tevalo", 1);
    }
    void TearDown() override {
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("TEVALO_DEVICE_ROOT");
        ::unsetenv("TEVALO_LAUNCHER");
        fs::remove_all(root_);
    }
    fs::path root_;
};

TEST_F(HomeAutostartTest, WritesAnEntryTheDesktopAcceptsAndRemovesIt) {
    const platform::HomeAutostart entry;
    EXPECT_EQ(entry.file(), root_ / "config" / "autostart" / "tevalo-weather-home.desktop");
    ASSERT_TRUE(entry.set(true));
    ASSERT_TRUE(entry.present());
    EXPECT_EQ(execArguments(read(entry.file())),
              (std::vector<std::string>{"env", "TEVALO_DEVICE_ROOT=" + (root_ / "device").string(),
                                        "/usr/bin/tevalo", "--home"}));

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty()) {
        QProcess check;
        check.start(validator, {QString::fromStdString(entry.file().string())});
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    }

    ASSERT_TRUE(entry.set(false));
    EXPECT_FALSE(entry.present());
    EXPECT_TRUE(entry.set(false)) << "removing an absent entry is no failure";
}

// Paths with blanks, quotes, dollars, back-quotes and backslashes come back intact.
class AwkwardPathTest : public HomeAutostartTest,
                        public ::testing::WithParamInterface<const char*> {};

TEST_P(AwkwardPathTest, ExecGivesBackTheSamePaths) {
    const fs::path device = root_ / GetParam();
    const std::string launcher = std::string("/opt/my ") + GetParam() + "/tevalo";
    ::setenv("TEVALO_DEVICE_ROOT", device.c_str(), 1);
    ::setenv("TEVALO_LAUNCHER", launcher.c_str(), 1);
    const platform::HomeAutostart entry;
    ASSERT_TRUE(entry.set(true));
    EXPECT_EQ(execArguments(read(entry.file())),
              (std::vector<std::string>{"env", "TEVALO_DEVICE_ROOT=" + device.string(), launcher,
                                        "--home"}));
}

INSTANTIATE_TEST_SUITE_P(Paths, AwkwardPathTest,
                         ::testing::Values("my device", "say \"hi\"", "$HOME", "`id`", "a\\b",
                                           "天气 device"));

TEST_F(HomeAutostartTest, WithoutALauncherTheCommandOnThePathRunsTheItem) {
    ::unsetenv("TEVALO_LAUNCHER");
    const platform::HomeAutostart entry;
    ASSERT_TRUE(entry.set(true));
    const auto arguments = execArguments(read(entry.file()));
    ASSERT_EQ(arguments.size(), 4u);
    EXPECT_EQ(arguments[2], "tevalo");
}

TEST_F(HomeAutostartTest, UnwritableFolderIsAFailureAndLeavesNoPartialFile) {
    // A file where the autostart folder belongs.
    fs::create_directories(root_ / "config");
    std::ofstream(root_ / "config" / "autostart") << "not a folder";
    const platform::HomeAutostart entry;
    EXPECT_FALSE(entry.set(true));
    EXPECT_FALSE(entry.present());
}

}  // namespace
