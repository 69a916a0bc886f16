#include "setup/InstallHook.h"

#include <filesystem>
#include <string>

#include "platform/device/DevicePath.h"
#include "platform/msgbox/MessageBox.h"
#include "platform/registry/Registry.h"
#include "platform/shell/ProgramStart.h"
#include "platform/shell/SettingChange.h"
#include "platform/shortcut/Shortcut.h"
#include "platform/text/Utf.h"
#include "setup/InstalledNames.h"

namespace setup {
namespace {

using platform::RegistryHive;

std::u16string joinPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (path.empty() || path.back() != u'\\') path += u'\\';
    return path + std::u16string(name);
}

// False when any value could not be written.
bool registerTodayItem(const platform::Registry& registry) {
    const std::pair<std::u16string_view, std::uint32_t> numbers[] = {
        {u"Flags", 0}, {u"Options", 0},       {u"Enabled", 1},
        {u"Order", 1}, {u"Selectability", 2}, {u"Type", 4},
    };
    bool written = true;
    for (const auto& [name, value] : numbers) {
        written =
            registry.setDword(RegistryHive::LocalMachine, kTodayItemKey, name, value) && written;
    }
    return registry.setString(RegistryHive::LocalMachine, kTodayItemKey, u"DLL",
                              kTodayLibraryCopy) &&
           written;
}

void createProgramsShortcut(const std::u16string& quotedProgram) {
    const std::u16string_view programs =
        platform::specialFolderPath(platform::SpecialFolder::Programs);
    std::error_code error;
    if (!std::filesystem::is_directory(platform::hostPath(programs), error)) {
        platform::messageBox(nullptr, u"获取系统文件路径失败", kCaption);
        return;
    }
    const std::u16string shortcut = joinPath(programs, kShortcutName);
    if (platform::createShortcut(shortcut, quotedProgram)) return;
    std::filesystem::remove(platform::hostPath(shortcut), error);
    platform::createShortcut(shortcut, quotedProgram);
}

}  // namespace

int installInit(tevalo_setup_window parent) {
    const int answer = platform::messageBox(parent, u"确定安装晴雨匣桌面显示", kCaption,
                                            platform::MB_YESNO | platform::MB_ICONQUESTION);
    return answer == platform::IDNO ? codeINSTALL_INIT_CANCEL : codeINSTALL_INIT_CONTINUE;
}

int installExit(tevalo_setup_window parent, std::u16string_view installFolder,
                const InstallFailures& failures) {
    if (failures.any()) return codeINSTALL_EXIT_UNINSTALL;

    const std::u16string program = joinPath(installFolder, kProgramFile);
    const std::u16string quotedProgram = u"\"" + program + u"\"";
    const platform::Registry registry = platform::Registry::forDevice();

    if (!registry.createKey(RegistryHive::CurrentUser, kAppKey)) return codeINSTALL_EXIT_DONE;
    if (!registry.setString(RegistryHive::CurrentUser, kAppKey, kAppPathValue, program)) {
        platform::messageBox(parent, u"写注册表失败", kCaption);
    }

    // The library is in place before the item is registered, so the home
    // screen's reload below finds it.
    std::error_code error;
    std::filesystem::copy_file(platform::hostPath(joinPath(installFolder, kTodayLibraryFile)),
                               platform::hostPath(kTodayLibraryCopy),
                               std::filesystem::copy_options::overwrite_existing, error);

    if (!registry.createKey(RegistryHive::LocalMachine, kTodayItemKey)) {
        return codeINSTALL_EXIT_DONE;
    }
    if (!registerTodayItem(registry)) platform::messageBox(parent, u"写注册表失败", kCaption);
    platform::SettingChange::broadcast(kTodayItemsChanged);

    createProgramsShortcut(quotedProgram);

    std::optional<std::u16string> appPath;
    if (registry.keyExists(RegistryHive::CurrentUser, kAppKey)) {
        appPath = registry.getString(RegistryHive::CurrentUser, kAppKey, kAppPathValue);
    }
    if (!appPath) {
        platform::messageBox(parent, u"读注册表失败", kCaption);
        appPath = std::u16string();
    }
    if (!platform::startProgram(*appPath)) platform::messageBox(parent, u"启动程序失败", kCaption);
    return codeINSTALL_EXIT_DONE;
}

}  // namespace setup
