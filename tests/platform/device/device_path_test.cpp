#include "platform/device/DevicePath.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;
using platform::hostPath;

// Each test gets an empty device root of its own.
class DevicePathInAFreshRoot : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("device-path-test-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        platform::setDeviceRoot(root);
    }
    void TearDown() override {
        platform::setDeviceRoot({});
        fs::remove_all(root);
    }
    fs::path root;
};

TEST_F(DevicePathInAFreshRoot, PhonePathsLandBelowTheRoot) {
    EXPECT_EQ(hostPath(u"\\Program Files\\tevaloWeather\\CityDatabase.vol"),
              root / "Program Files" / "tevaloWeather" / "CityDatabase.vol");
    EXPECT_EQ(hostPath(u"Program Files/tevaloWeather"), root / "Program Files" / "tevaloWeather");
    EXPECT_EQ(hostPath(u"\\"), root);
    EXPECT_EQ(hostPath(u""), root);
    EXPECT_EQ(hostPath(u"\\Program Files\\tevaloWeather\\tevalo\\Weather icon\\晴.png"),
              root / "Program Files" / "tevaloWeather" / "tevalo" / "Weather icon" / "晴.png");
}

TEST_F(DevicePathInAFreshRoot, ExistingFoldersAndFilesAreFoundWhateverTheCase) {
    fs::create_directories(root / "Windows" / "Start Menu");
    std::ofstream(root / "Windows" / "tmail.exe") << "x";
    EXPECT_EQ(hostPath(u"\\windows\\TMAIL.EXE"), root / "Windows" / "tmail.exe");
    // A new file keeps its own spelling inside the existing folder.
    EXPECT_EQ(hostPath(u"\\WINDOWS\\start menu\\Programs\\新.lnk"),
              root / "Windows" / "Start Menu" / "Programs" / "新.lnk");
}

TEST_F(DevicePathInAFreshRoot, DotDotCannotLeaveTheRoot) {
    EXPECT_EQ(hostPath(u"\\..\\..\\etc\\passwd"), root / "etc" / "passwd");
    EXPECT_EQ(hostPath(u"a\\.\\..\\b"), root / "a" / "b");
}

TEST_F(DevicePathInAFreshRoot, HostPathsInsideTheRootMapBack) {
    EXPECT_EQ(platform::devicePath(root / "Windows" / "tevaloWeatherToDay.so"),
              u"\\Windows\\tevaloWeatherToDay.so");
    EXPECT_EQ(platform::devicePath(root), u"\\");
    EXPECT_EQ(platform::devicePath(root.parent_path() / "elsewhere"), u"");
}

TEST_F(DevicePathInAFreshRoot, SpecialFoldersAreInsideTheWindowsFolder) {
    EXPECT_EQ(hostPath(platform::specialFolderPath(platform::SpecialFolder::Programs)),
              root / "Windows" / "Start Menu" / "Programs");
    EXPECT_EQ(hostPath(platform::specialFolderPath(platform::SpecialFolder::Windows)),
              root / "Windows");
    EXPECT_EQ(platform::kInstallFolder.back(), u'\\');
}

TEST(DeviceRoot, ComesFromTheEnvironmentUnlessSetInProcess) {
    platform::setDeviceRoot({});
    ::setenv("TEVALO_DEVICE_ROOT", "/tmp/a-device", 1);
    EXPECT_EQ(platform::deviceRoot(), fs::path("/tmp/a-device"));
    ::unsetenv("TEVALO_DEVICE_ROOT");
    ::setenv("XDG_DATA_HOME", "/tmp/xdg", 1);
    EXPECT_EQ(platform::deviceRoot(), fs::path("/tmp/xdg/tevalo/device"));
    platform::setDeviceRoot("/tmp/override");
    EXPECT_EQ(platform::deviceRoot(), fs::path("/tmp/override"));
    platform::setDeviceRoot({});
}
