// What the launcher reads before it starts anything: its command line, its
// configuration file and its record of the installation. Wrong input is refused
// with a reason rather than half-used.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "hosts/launcher/InstallRecord.h"
#include "hosts/launcher/LauncherConfig.h"
#include "hosts/launcher/LauncherOptions.h"

namespace {
namespace fs = std::filesystem;
using launcher::LauncherAction;
using launcher::LauncherConfig;
using launcher::LauncherOptions;
using launcher::ServiceMode;

struct CommandLine {
    std::vector<std::string> args;
    bool valid;
    LauncherAction action;
    std::string service;
    std::vector<std::string> applicationArguments;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLine> {};

TEST_P(CommandLineTest, ParsesOrRefuses) {
    std::string error;
    const auto options = LauncherOptions::parse(GetParam().args, error);
    ASSERT_EQ(options.has_value(), GetParam().valid) << error;
    if (!options) {
        EXPECT_FALSE(error.empty());
        return;
    }
    EXPECT_EQ(options->action, GetParam().action);
    EXPECT_EQ(options->service, GetParam().service);
    EXPECT_EQ(options->applicationArguments, GetParam().applicationArguments);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTest,
    ::testing::Values(
        CommandLine{{}, true, LauncherAction::Run, "", {}},
        CommandLine{{"--service", "example.org"}, true, LauncherAction::Run, "example.org", {}},
        CommandLine{
            {"--service", "127.0.0.1:8080"}, true, LauncherAction::Run, "127.0.0.1:8080", {}},
        CommandLine{
            {"--", "--tour", "/tmp/x"}, true, LauncherAction::Run, "", {"--tour", "/tmp/x"}},
        CommandLine{{"--home", "--service", "h:1"}, true, LauncherAction::Home, "h:1", {}},
        CommandLine{{"--remove"}, true, LauncherAction::Remove, "", {}},
        CommandLine{{"--version"}, true, LauncherAction::Version, "", {}},
        CommandLine{{"--help", "--bogus"}, true, LauncherAction::Help, "", {}},
        CommandLine{{"--service"}, false, {}, "", {}},
        CommandLine{{"--service", ""}, false, {}, "", {}},
        CommandLine{{"--service", "host:0"}, false, {}, "", {}},
        CommandLine{{"--service", "host:65536"}, false, {}, "", {}},
        CommandLine{{"--service", "host:80x"}, false, {}, "", {}},
        CommandLine{{"--service", "http://host"}, false, {}, "", {}},
        CommandLine{{"--service", "host:"}, false, {}, "", {}},
        CommandLine{{"--service", "two words"}, false, {}, "", {}},
        CommandLine{{"--remove", "--home"}, false, {}, "", {}},
        CommandLine{{"--remove", "--service", "h"}, false, {}, "", {}},
        CommandLine{{"--home", "--", "--tour"}, false, {}, "", {}},
        CommandLine{{"--bogus"}, false, {}, "", {}}, CommandLine{{"extra"}, false, {}, "", {}}));

struct ConfigText {
    const char* text;
    bool valid;
    ServiceMode mode;
    const char* errorPart;
};

class ConfigTest : public ::testing::TestWithParam<ConfigText> {};

TEST_P(ConfigTest, ReadsTheModeOrNamesTheBadLine) {
    std::string error;
    const auto config = LauncherConfig::parse(GetParam().text, error);
    ASSERT_EQ(config.has_value(), GetParam().valid) << error;
    if (config) {
        EXPECT_EQ(config->mode, GetParam().mode);
    } else {
        EXPECT_NE(error.find(GetParam().errorPart), std::string::npos) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConfigTest,
    ::testing::Values(ConfigText{"", true, ServiceMode::StandIn, ""},
                      ConfigText{"service = live\n", true, ServiceMode::Live, ""},
                      ConfigText{"  service=stand-in  \r\n", true, ServiceMode::StandIn, ""},
                      ConfigText{"# live\n\nservice = live", true, ServiceMode::Live, ""},
                      ConfigText{"service = live\nservice = stand-in\n", true, ServiceMode::StandIn,
                                 ""},
                      ConfigText{"service = Live\n", false, {}, "line 1"},
                      ConfigText{"\n\nservice = remote\n", false, {}, "line 3"},
                      ConfigText{"mode = live\n", false, {}, "line 1"},
                      ConfigText{"service\n", false, {}, "line 1"}));

TEST(ConfigDefault, TheDefaultTextIsTheDefaultConfiguration) {
    std::string error;
    const auto config = LauncherConfig::parse(LauncherConfig::defaultText(), error);
    ASSERT_TRUE(config) << error;
    EXPECT_EQ(config->mode, ServiceMode::StandIn);
}

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("launcher-settings-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path root_;
};

TEST_F(TempFolder, MissingConfigIsWrittenOutAndAMistypedOneIsRefused) {
    const fs::path file = root_ / "tevalo" / "tevalo.conf";
    std::string error;
    auto config = LauncherConfig::load(file, error);
    ASSERT_TRUE(config);
    EXPECT_TRUE(error.empty()) << error;
    ASSERT_TRUE(fs::exists(file)) << "the user finds the file to edit";

    std::ofstream(file) << "service = life\n";
    config = LauncherConfig::load(file, error);
    EXPECT_FALSE(config);
    EXPECT_NE(error.find(file.string()), std::string::npos) << error;
}

TEST_F(TempFolder, UnwritableConfigFolderStillRunsWithTheDefaultAndSaysWhy) {
    std::ofstream(root_ / "tevalo") << "a file where the folder belongs";
    std::string error;
    const auto config = LauncherConfig::load(root_ / "tevalo" / "tevalo.conf", error);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->mode, ServiceMode::StandIn);
    EXPECT_FALSE(error.empty());
}

TEST_F(TempFolder, InstallRecordHoldsOnlyForTheSameDeviceVersionAndProgram) {
    const fs::path file = root_ / "installed";
    const fs::path program = root_ / "device" / "tevaloWeather.exe";
    fs::create_directories(program.parent_path());
    std::ofstream(program) << "program";

    const launcher::InstallRecord record(file, root_ / "device", "1.0.0");
    EXPECT_FALSE(record.current(program)) << "nothing remembered yet";
    ASSERT_TRUE(record.remember());
    EXPECT_TRUE(record.current(program));
    EXPECT_FALSE(launcher::InstallRecord(file, root_ / "device", "1.0.1").current(program))
        << "an upgraded package installs again";
    EXPECT_FALSE(launcher::InstallRecord(file, root_ / "other", "1.0.0").current(program))
        << "another device is not installed";
    // Every spelling of the device root names the one device.
    fs::create_directory_symlink(root_ / "device", root_ / "link");
    for (const fs::path& spelling : {root_ / "device/", root_ / "link", root_ / "link/../device/."})
        EXPECT_TRUE(launcher::InstallRecord(file, spelling, "1.0.0").current(program))
            << spelling << " was taken for another device";
    fs::remove(program);
    EXPECT_FALSE(record.current(program)) << "a program deleted by hand is installed again";
    std::ofstream(program) << "program";
    record.forget();
    EXPECT_FALSE(record.current(program));
}

}  // namespace
