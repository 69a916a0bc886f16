#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "hosts/installer/DesktopEntry.h"
#include "hosts/installer/InstallManifest.h"
#include "hosts/installer/Installer.h"
#include "platform/device/DevicePath.h"
#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/propdb/PropDb.h"
#include "platform/registry/Registry.h"
#include "platform/shortcut/Shortcut.h"
#include "platform/text/Utf.h"
#include "platform/window/WindowClass.h"
#include "store/CityListStore.h"
#include "store/RegionStore.h"
#include "store/UpdateStampStore.h"

namespace fs = std::filesystem;
using installer::InstallOutcome;
using platform::RegistryHive;

namespace {

constexpr char16_t kItemKey[] = u"Software\\Microsoft\\Today\\Items\\\"米多晴雨匣\"";
constexpr char16_t kProgram[] = u"\\Program Files\\tevaloWeather\\tevaloWeather.exe";
constexpr char16_t kShortcut[] = u"\\Windows\\Start Menu\\Programs\\晴雨匣.lnk";
constexpr char16_t kCityVolume[] = u"\\Program Files\\tevaloWeather\\CityDatabase.vol";

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const fs::path& file, const std::string& content) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
}

int forwardToTest(void*, tevalo_setup_window owner, const char16_t* text, const char16_t* caption,
                  unsigned type) {
    return platform::messageBox(owner, text, caption, type);
}

store::RegionRecord region(std::u16string id, std::u16string name, std::u16string level) {
    return {id, u"C" + id, name, level == u"1" ? u"" : u"1", level};
}

// A device, a payload with the real hook and a recording stand-in for the
// application, and scripted answers for the hook's questions.
class InstallerOnATemporaryDevice : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder, also for the "Case/Param" names of parameterised tests.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        root_ = fs::temp_directory_path() /
                ("tevalo-installer-test-" + std::to_string(::getpid()) + "-" + name);
        fs::remove_all(root_);
        payload_ = root_ / "payload";
        setenv("TEVALO_DEVICE_ROOT", (root_ / "device").c_str(), 1);
        setenv("XDG_DATA_HOME", (root_ / "xdg").c_str(), 1);
        unsetenv("TEVALO_TEST_APP_STAYS");
        fs::create_directories(payload_ / "tevalo");
        fs::copy_file(HOOK_LIBRARY, payload_ / "libtevaloNewsletterWeatherStupDll.so");
        fs::copy_file(RECORDING_APP, payload_ / "tevaloWeather");
        writeFile(payload_ / "libtevaloWeatherToDay.so", "item v1");
        writeFile(payload_ / "tevalo" / "a.png", "picture");
        writeFile(payload_ / "tevalo-home", "a host program, not part of the package");
        shipRegionTree({region(u"1", u"四川", u"1"), region(u"2", u"成都", u"2")});
    }

    void TearDown() override {
        platform::closeWindowByClass(u"晴雨匣");  // a program a test left running
        fs::remove_all(root_);
        unsetenv("TEVALO_DEVICE_ROOT");
    }

    void shipRegionTree(const std::vector<store::RegionRecord>& rows) {
        fs::remove(payload_ / "CityDatabase.vol");
        const store::RegionStore regions(store::Volumes::inFolder(payload_));
        for (const auto& row : rows) ASSERT_TRUE(regions.add(row));
    }

    InstallOutcome install() { return installer::Installer(nullptr, &host_).install(payload_); }
    bool remove() { return installer::Installer(nullptr, &host_).remove(); }

    fs::path device(std::u16string_view path) const { return platform::hostPath(path); }

    // The application is started detached; its log shows up a moment later.
    std::string appLog(const std::string& waitFor, int expected = 1) const {
        std::string log;
        for (int i = 0; i < 400; ++i) {  // up to 20 s on a loaded machine
            log = readFile(root_ / "device" / "app.log");
            size_t count = 0;
            for (size_t at = log.find(waitFor); at != std::string::npos;
                 at = log.find(waitFor, at + 1)) {
                ++count;
            }
            if (static_cast<int>(count) >= expected) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return log;
    }

    fs::path root_;
    fs::path payload_;
    platform::ScriptedMessageBoxes messages_;
    const tevalo_setup_host host_{forwardToTest, nullptr};
    static platform::Registry registry() { return platform::Registry::forDevice(); }
};

TEST_F(InstallerOnATemporaryDevice, RegistersTheItemTheProgramPathAndTheShortcutAndStartsOnce) {
    ASSERT_EQ(install(), InstallOutcome::Installed);

    ASSERT_EQ(messages_.count(), 1u);
    EXPECT_EQ(messages_.last().text, u"确定安装晴雨匣桌面显示");
    EXPECT_EQ(messages_.last().caption, u"提示");
    EXPECT_EQ(messages_.last().type, platform::MB_YESNO | platform::MB_ICONQUESTION);

    EXPECT_EQ(
        registry().getString(RegistryHive::CurrentUser, u"Software\\tevaloWeather", u"AppPath"),
        std::u16string(kProgram));
    const auto values = registry().values(RegistryHive::LocalMachine, kItemKey);
    using Type = platform::RegistryValueType;
    const std::vector<platform::RegistryValue> expected = {
        {u"Flags", Type::Dword, u"", 0},
        {u"Options", Type::Dword, u"", 0},
        {u"Enabled", Type::Dword, u"", 1},
        {u"Order", Type::Dword, u"", 1},
        {u"Selectability", Type::Dword, u"", 2},
        {u"Type", Type::Dword, u"", 4},
        {u"DLL", Type::String, u"\\Windows\\tevaloWeatherToDay.dll", 0},
    };
    EXPECT_EQ(values, expected);

    EXPECT_EQ(readFile(device(u"\\Windows\\tevaloWeatherToDay.dll")), "item v1");
    EXPECT_EQ(readFile(device(u"\\Program Files\\tevaloWeather\\tevaloWeatherToDay.dll")),
              "item v1");
    EXPECT_TRUE(fs::exists(device(u"\\Program Files\\tevaloWeather\\tevalo\\a.png")));
    EXPECT_FALSE(fs::exists(device(u"\\Program Files\\tevaloWeather\\tevalo-home")));
    EXPECT_EQ(platform::readShortcut(kShortcut), std::u16string(u"\"") + kProgram + u"\"");
    EXPECT_NE(readFile(device(u"\\Windows\\wininichange")).find("242"), std::string::npos);
    EXPECT_TRUE(fs::exists(installer::desktopEntryFile()));

    const std::string log = appLog("started");
    EXPECT_EQ(log, "started\n") << "started once, without a command line";
}

TEST_F(InstallerOnATemporaryDevice, AnsweringNoCancelsBeforeAnythingIsCopied) {
    messages_.answerNext(platform::IDNO);
    ASSERT_EQ(install(), InstallOutcome::Cancelled);
    EXPECT_FALSE(fs::exists(device(u"\\Program Files\\tevaloWeather")));
    EXPECT_FALSE(registry().keyExists(RegistryHive::LocalMachine, kItemKey));
    EXPECT_FALSE(registry().keyExists(RegistryHive::CurrentUser, u"Software\\tevaloWeather"));
    EXPECT_FALSE(remove()) << "nothing is installed";
}

TEST_F(InstallerOnATemporaryDevice, AFailedCopyUndoesTheInstallationBeforeTheHookTouchesAnything) {
    // A folder where a file of the payload must go makes that copy fail.
    fs::create_directories(device(u"\\Program Files\\tevaloWeather\\tevalo\\a.png"));
    ASSERT_EQ(install(), InstallOutcome::Undone);
    EXPECT_FALSE(fs::exists(device(kProgram)));
    EXPECT_FALSE(fs::exists(device(u"\\Windows\\tevaloWeatherToDay.dll")));
    EXPECT_FALSE(registry().keyExists(RegistryHive::CurrentUser, u"Software\\tevaloWeather"));
    EXPECT_FALSE(registry().keyExists(RegistryHive::LocalMachine, kItemKey));
    EXPECT_FALSE(fs::exists(device(kShortcut)));
}

TEST_F(InstallerOnATemporaryDevice, AFailedReinstallPutsThePreviousFilesBack) {
    ASSERT_EQ(install(), InstallOutcome::Installed);
    writeFile(payload_ / "libtevaloWeatherToDay.so", "item v2");
    writeFile(payload_ / "tevalo" / "new.png", "picture");
    fs::create_directories(device(u"\\Program Files\\tevaloWeather\\tevalo\\new.png"));

    ASSERT_EQ(install(), InstallOutcome::Undone);
    EXPECT_EQ(readFile(device(u"\\Program Files\\tevaloWeather\\tevaloWeatherToDay.dll")),
              "item v1");
    EXPECT_TRUE(fs::exists(device(kProgram)));
    EXPECT_EQ(appLog("started"), "started\n");
}

TEST_F(InstallerOnATemporaryDevice, ReinstallKeepsTheUsersDataAndRefreshesTheRegionTree) {
    ASSERT_EQ(install(), InstallOutcome::Installed);
    const auto volumes = store::Volumes::forDevice();
    const store::CityListStore cities(volumes, store::CityList::ThreeDay);
    const store::UpdateStampStore stamps(volumes, store::CityList::ThreeDay);
    ASSERT_TRUE(cities.add({u"2", u"C2", u"成都", u"", u"", u"1", u"1"}));
    store::CityUpdateRecord forecast{u"C2", u"成都", {u"ci_1*08/18*1*1*28*32*1*2&***1500"}};
    ASSERT_TRUE(stamps.addOrReplace(forecast));

    shipRegionTree(
        {region(u"1", u"四川", u"1"), region(u"2", u"成都", u"2"), region(u"3", u"峨眉山", u"3")});
    writeFile(payload_ / "libtevaloWeatherToDay.so", "item v2");
    fs::remove(device(kShortcut));
    // A journal a crashed reader left next to the replaced reference volume.
    writeFile(payload_ / "SystemCityDatabase.vol", "cities v2");
    const fs::path journal =
        device(u"\\Program Files\\tevaloWeather\\SystemCityDatabase.vol").string() + "-journal";
    writeFile(journal, "stale");
    ASSERT_EQ(install(), InstallOutcome::Installed);
    EXPECT_TRUE(!fs::exists(journal) || fs::file_size(journal) == 0) << "settled, not played";
    EXPECT_EQ(readFile(device(u"\\Program Files\\tevaloWeather\\SystemCityDatabase.vol")),
              "cities v2");

    ASSERT_TRUE(cities.findByName(u"成都"));
    EXPECT_EQ(stamps.findByName(u"成都"), forecast);
    const auto tree = store::RegionStore(volumes).list();
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->size(), 3u);
    EXPECT_TRUE(store::RegionStore(volumes).findByName(u"峨眉山"));
    EXPECT_EQ(readFile(device(u"\\Windows\\tevaloWeatherToDay.dll")), "item v2");
    EXPECT_TRUE(platform::readShortcut(kShortcut)) << "the shortcut is made again";
    EXPECT_EQ(appLog("started", 2), "started\nstarted\n");
}

TEST_F(InstallerOnATemporaryDevice, RemovalClosesTheApplicationAndKeepsProgramPathAndVolumes) {
    setenv("TEVALO_TEST_APP_STAYS", "1", 1);
    ASSERT_EQ(install(), InstallOutcome::Installed);
    ASSERT_NE(appLog("listening").find("listening"), std::string::npos);

    ASSERT_TRUE(remove());
    EXPECT_NE(appLog("closed").find("closed"), std::string::npos);
    EXPECT_FALSE(registry().keyExists(RegistryHive::LocalMachine, kItemKey));
    EXPECT_TRUE(
        registry().getString(RegistryHive::CurrentUser, u"Software\\tevaloWeather", u"AppPath"));
    EXPECT_FALSE(fs::exists(device(u"\\Windows\\tevaloWeatherToDay.dll")));
    EXPECT_FALSE(fs::exists(device(u"\\Program Files\\tevaloWeather\\tevaloWeatherToDay.dll")));
    EXPECT_FALSE(fs::exists(device(kProgram)));
    EXPECT_FALSE(fs::exists(device(kShortcut)));
    EXPECT_FALSE(fs::exists(installer::desktopEntryFile()));
    EXPECT_TRUE(fs::exists(device(u"\\Program Files\\tevaloWeather\\CityDatabase.vol")));
    // Installed, then disabled before the key went: two reload broadcasts.
    EXPECT_EQ(readFile(device(u"\\Windows\\wininichange")), "242\n242\n");
}

TEST_F(InstallerOnATemporaryDevice, TheInstallerProgramAnswersFromTheCommandLine) {
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.start(INSTALLER_PROGRAM, arguments);
        process.waitForFinished(60000);
        return process.exitCode();
    };
    const QString device = QString::fromStdString((root_ / "device").string());
    const QString payload = QString::fromStdString(payload_.string());
    EXPECT_EQ(run({"install", "--payload", payload, "--device", device, "--answer", "no"}), 3);
    EXPECT_FALSE(fs::exists(platform::hostPath(kProgram)));
    EXPECT_EQ(run({"install", "--payload", payload, "--device", device, "--answer", "yes"}), 0);
    EXPECT_TRUE(fs::exists(platform::hostPath(kProgram)));
    EXPECT_EQ(run({"remove", "--device", device, "--answer", "yes"}), 0);
    EXPECT_FALSE(fs::exists(platform::hostPath(kProgram)));
    EXPECT_EQ(run({"remove", "--device", device}), 1) << "removing twice fails";
}

// A writer killed mid-transaction leaves a hot journal and half-written pages
// in the user's volume; reinstalling or removing the product must let that
// journal roll the volume back, never replace or delete it.
enum class AfterCrash { Reinstall, Removal };

class HotJournalLeftByAKilledWriter : public InstallerOnATemporaryDevice,
                                      public ::testing::WithParamInterface<AfterCrash> {
protected:
    fs::path journal() const { return device(kCityVolume).string() + "-journal"; }

    void killWriterMidTransaction() {
        QProcess writer;
        writer.start(HOT_JOURNAL_WRITER, {QString::fromStdString(device(kCityVolume).string())});
        ASSERT_TRUE(writer.waitForStarted(30000));
        while (!writer.readAllStandardOutput().contains("spilled")) {
            ASSERT_TRUE(writer.waitForReadyRead(60000)) << writer.readAllStandardError().data();
        }
        writer.kill();  // SIGKILL: no chance to roll back or commit
        writer.waitForFinished(30000);
    }

    // Opening the volume plays a hot journal back, as every later mount does.
    static std::string query(const fs::path& volume, const char* sql) {
        sqlite3* db = nullptr;
        std::string answer;
        if (sqlite3_open_v2(volume.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
            sqlite3_stmt* statement = nullptr;
            sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
            if (sqlite3_step(statement) == SQLITE_ROW)
                answer = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
            else
                answer = sqlite3_errmsg(db);
            sqlite3_finalize(statement);
        }
        sqlite3_close(db);
        return answer;
    }
};

TEST_P(HotJournalLeftByAKilledWriter, RollsTheVolumeBackAfterTheInstallerRan) {
    ASSERT_TRUE(fs::exists(payload_ / "CityDatabase.vol-journal"))
        << "the payload builder leaves an emptied journal beside its volume";
    ASSERT_EQ(install(), InstallOutcome::Installed);
    for (const auto& file : installer::InstallManifest(u"tevaloWeather").load())
        EXPECT_FALSE(platform::propdb::isVolumeCompanion(platform::toUtf8(file)))
            << platform::toUtf8(file);
    const auto volumes = store::Volumes::forDevice();
    const store::CityListStore cities(volumes, store::CityList::ThreeDay);
    ASSERT_TRUE(cities.add({u"2", u"C2", u"成都", u"", u"", u"1", u"1"}));
    const store::UpdateStampStore stamps(volumes, store::CityList::ThreeDay);
    ASSERT_TRUE(stamps.addOrReplace({u"C2", u"成都", {u"ci_1*08/18*1*1*28*32*1*2&***1500"}}));

    killWriterMidTransaction();
    ASSERT_GT(fs::file_size(journal()), 0u) << "the journal is hot";

    if (GetParam() == AfterCrash::Reinstall) {
        writeFile(payload_ / "libtevaloWeatherToDay.so", "item v2");
        ASSERT_EQ(install(), InstallOutcome::Installed);
    } else {
        ASSERT_TRUE(remove());
        EXPECT_TRUE(fs::exists(journal())) << "removal deleted the volume's journal";
    }

    EXPECT_EQ(query(device(kCityVolume), "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(query(device(kCityVolume),
                    "SELECT count(*) FROM CityUpdateDateTeVoWeather WHERE p2 = 'half-written'"),
              "0");
    EXPECT_TRUE(cities.findByName(u"成都")) << "the user's city as before the crash";
}

INSTANTIATE_TEST_SUITE_P(InstallerRuns, HotJournalLeftByAKilledWriter,
                         ::testing::Values(AfterCrash::Reinstall, AfterCrash::Removal),
                         [](const auto& info) {
                             return info.param == AfterCrash::Reinstall ? "Reinstall" : "Removal";
                         });

TEST_F(InstallerOnATemporaryDevice, AReinstallWhileTheProgramRunsReplacesItBesideTheRunningImage) {
    setenv("TEVALO_TEST_APP_STAYS", "1", 1);
    ASSERT_EQ(install(), InstallOutcome::Installed);
    ASSERT_NE(appLog("listening").find("listening"), std::string::npos);

    writeFile(payload_ / "libtevaloWeatherToDay.so", "item v2");
    ASSERT_EQ(install(), InstallOutcome::Installed) << "copying over a running program failed";
    EXPECT_EQ(readFile(device(u"\\Program Files\\tevaloWeather\\tevaloWeatherToDay.dll")),
              "item v2");
    EXPECT_EQ(readFile(device(kProgram)), readFile(RECORDING_APP));
    EXPECT_NE(appLog("already running").find("already running"), std::string::npos)
        << "the program started by the reinstall found the running one";
    EXPECT_TRUE(platform::findWindowByClass(u"晴雨匣")) << "the running program was disturbed";
    EXPECT_TRUE(platform::readShortcut(kShortcut));
    for (const auto& entry : fs::directory_iterator(device(u"\\Program Files\\tevaloWeather")))
        EXPECT_EQ(entry.path().filename().string().find(".tevalo-new"), std::string::npos);
}

// Payload entries that cannot be installed under their own name refuse the
// whole payload before the user is asked and before anything is copied.
struct RefusedEntry {
    const char* name;
    std::function<void(const fs::path& payload)> make;
    const char* why;
};

class PayloadWithAnUnsafeEntry : public InstallerOnATemporaryDevice,
                                 public ::testing::WithParamInterface<RefusedEntry> {};

TEST_P(PayloadWithAnUnsafeEntry, IsRefusedBeforeAnythingIsCopied) {
    GetParam().make(payload_);
    installer::Installer installer(nullptr, &host_);
    ASSERT_EQ(installer.install(payload_), InstallOutcome::Failed);
    EXPECT_NE(installer.error().find(GetParam().why), std::string::npos) << installer.error();
    EXPECT_NE(installer.error().find("nothing was installed"), std::string::npos);
    EXPECT_EQ(messages_.count(), 0u) << "the user was asked";
    EXPECT_FALSE(fs::exists(device(u"\\Program Files\\tevaloWeather")));
    EXPECT_FALSE(registry().keyExists(RegistryHive::LocalMachine, kItemKey));
}

INSTANTIATE_TEST_SUITE_P(
    Names, PayloadWithAnUnsafeEntry,
    ::testing::Values(
        RefusedEntry{"LineBreak",
                     [](const fs::path& p) {
                         writeFile(p / "x\n\\Windows\\registry.db", "a line break in a name");
                     },
                     "holds a control character"},
        RefusedEntry{"TabInAFolder",
                     [](const fs::path& p) { writeFile(p / "tevalo" / "a\tb" / "c.png", "tab"); },
                     "holds a control character"},
        RefusedEntry{"Backslash",
                     [](const fs::path& p) { writeFile(p / "..\\..\\Windows\\x.dll", "escape"); },
                     "holds a backslash"},
        RefusedEntry{"LinkToAFile",
                     [](const fs::path& p) { fs::create_symlink("tevalo/a.png", p / "b.png"); },
                     "is a symbolic link"},
        RefusedEntry{"LinkToAFolder",
                     [](const fs::path& p) { fs::create_directory_symlink("/etc", p / "etc"); },
                     "is a symbolic link"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InstallerOnATemporaryDevice, RemovalDeletesOnlyWhatInstallationPlaced) {
    ASSERT_EQ(install(), InstallOutcome::Installed);
    // A list as an older installer wrote it, one name a line, naming files no
    // installation placed.
    const std::vector<std::u16string> foreign = {
        u"\\Windows\\registry.db",
        u"\\Program Files\\tevaloWeather\\CityDatabase.vol-journal",
        u"\\Program Files\\tevaloWeather\\..\\..\\Windows\\keep.txt",
        u"\\Program Files\\other\\keep.txt",
    };
    std::string list;
    for (const auto& file : installer::InstallManifest(u"tevaloWeather").load())
        list += platform::toUtf8(file) + "\n";
    for (const auto& file : foreign) {
        writeFile(device(file), "not installed");
        list += platform::toUtf8(file) + "\n";
    }
    writeFile(device(u"\\Windows\\AppMgr\\tevaloWeather.files"), list);

    ASSERT_TRUE(remove());
    EXPECT_FALSE(fs::exists(device(kProgram)));
    EXPECT_FALSE(fs::exists(device(u"\\Program Files\\tevaloWeather\\tevalo\\a.png")));
    for (const auto& file : foreign)
        EXPECT_TRUE(fs::exists(device(file))) << platform::toUtf8(file);
}

struct ManifestName {
    const char16_t* path;
    const char* line;
};

class ManifestLine : public ::testing::TestWithParam<ManifestName> {};

TEST_P(ManifestLine, HoldsOneNameAndReadsItBack) {
    const std::string line = installer::InstallManifest::encode(GetParam().path);
    EXPECT_EQ(line, GetParam().line);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(installer::InstallManifest::decode(line), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ManifestLine,
    ::testing::Values(ManifestName{u"\\Program Files\\tevaloWeather\\晴雨匣.png",
                                   "\\Program Files\\tevaloWeather\\晴雨匣.png"},
                      ManifestName{u"\\a\n\\Windows\\registry.db", "\\a%0A\\Windows\\registry.db"},
                      ManifestName{u"\\100%25\r.txt", "\\100%2525%0D.txt"},
                      ManifestName{u"\\tab\there\x7F", "\\tab%09here%7F"}));

TEST_F(InstallerOnATemporaryDevice, AManifestReadsBackEveryNameItSaved) {
    const installer::InstallManifest manifest(u"tevaloWeather");
    const std::vector<std::u16string> names = {u"\\a\n\\Windows\\registry.db", u"\\100%41",
                                               u"\\plain"};
    ASSERT_TRUE(manifest.save(names));
    EXPECT_EQ(manifest.load(), names);
}

}  // namespace
