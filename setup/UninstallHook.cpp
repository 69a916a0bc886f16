#include "setup/UninstallHook.h"

#include <filesystem>
#include <string>

#include "platform/device/DevicePath.h"
#include "platform/msgbox/MessageBox.h"
#include "platform/registry/Registry.h"
#include "platform/shell/SettingChange.h"
#include "platform/window/WindowClass.h"
#include "setup/InstalledNames.h"

namespace setup {
namespace {

void removeDeviceFile(std::u16string_view devicePath) {
    std::error_code error;
    std::filesystem::remove(platform::hostPath(devicePath), error);
}

}  // namespace

int uninstallInit(tevalo_setup_window parent) {
    if (platform::findWindowByClass(kMainWindowClass)) {
        platform::closeWindowByClass(kMainWindowClass);
    }

    // Disable first and let the home screen unload the library before the
    // key and the files go.
    const platform::Registry registry = platform::Registry::forDevice();
    // A key that cannot be changed is left for the next removal; the files go
    // all the same, as the installer expects.
    const bool disabled =
        registry.setDword(platform::RegistryHive::LocalMachine, kTodayItemKey, u"Enabled", 0);
    platform::SettingChange::broadcast(kTodayItemsChanged);
    const bool deleted = registry.deleteKey(platform::RegistryHive::LocalMachine, kTodayItemKey);
    if (!disabled || !deleted) platform::messageBox(parent, u"写注册表失败", kCaption);

    removeDeviceFile(kTodayLibraryCopy);
    removeDeviceFile(kTodayLibraryInInstallFolder);

    const std::u16string_view programs =
        platform::specialFolderPath(platform::SpecialFolder::Programs);
    std::error_code error;
    if (!std::filesystem::is_directory(platform::hostPath(programs), error)) {
        platform::messageBox(nullptr, u"获取系统文件路径失败", kCaption);
    } else {
        removeDeviceFile(std::u16string(programs) + u"\\" + std::u16string(kShortcutName));
    }
    return codeUNINSTALL_INIT_CONTINUE;
}

}  // namespace setup
