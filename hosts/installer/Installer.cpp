#include "hosts/installer/Installer.h"

#include <algorithm>
#include <set>

#include "hosts/installer/DesktopEntry.h"
#include "hosts/installer/InstallManifest.h"
#include "hosts/installer/PayloadCopy.h"
#include "hosts/installer/ReferenceRefresh.h"
#include "hosts/installer/SetupHookLibrary.h"
#include "platform/device/DevicePath.h"
#include "platform/text/Utf.h"

namespace installer {
namespace fs = std::filesystem;
namespace {

constexpr char kHookFile[] = "libtevaloNewsletterWeatherStupDll.so";

// The folders every device has before anything is installed.
void prepareDevice() {
    std::error_code error;
    for (auto folder : {platform::SpecialFolder::Windows, platform::SpecialFolder::Programs}) {
        fs::create_directories(platform::hostPath(platform::specialFolderPath(folder)), error);
    }
}

std::u16string installPath(std::u16string_view name) {
    return std::u16string(kInstallFolder) + u"\\" + std::u16string(name);
}

bool endsWith(std::u16string_view text, std::u16string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

void removeEmptyFolders(const std::vector<std::u16string>& files) {
    std::set<fs::path, std::greater<>> folders;  // deepest first
    for (const auto& file : files) {
        for (fs::path dir = platform::hostPath(file).parent_path();
             dir.string().size() > platform::hostPath(kInstallFolder).string().size();
             dir = dir.parent_path()) {
            folders.insert(dir);
        }
    }
    std::error_code error;
    for (const auto& dir : folders) fs::remove(dir, error);  // only when empty
}

}  // namespace

std::u16string keptHookPath() {
    return u"\\Windows\\AppMgr\\" + std::u16string(kPackage) + u".setup.so";
}

Installer::Installer(tevalo_setup_window parent, const tevalo_setup_host* host)
    : parent_(parent), host_(host) {}

InstallOutcome Installer::install(const fs::path& payload) {
    error_.clear();
    if (!fs::is_directory(payload)) {
        error_ = "no payload at " + payload.string();
        return InstallOutcome::Failed;
    }
    SetupHookLibrary hook(payload / kHookFile);
    if (!hook.loaded()) {
        error_ = hook.error();
        return InstallOutcome::Failed;
    }
    if (hook.attachHost) hook.attachHost(host_);
    prepareDevice();

    const InstallManifest manifest{std::u16string(kPackage)};
    const std::vector<std::u16string> previous = manifest.load();
    const std::u16string folder(kInstallFolder);
    if (hook.installInit(parent_, 1, previous.empty() ? 0 : 1, folder.c_str()) ==
        codeINSTALL_INIT_CANCEL) {
        return InstallOutcome::Cancelled;
    }

    PayloadCopy copy;
    copy.copy(planPayload(payload, kInstallFolder));
    std::uint16_t failedFiles = copy.failedFiles();
    for (const std::u16string name : {u"CityDatabase.vol", u"RainfallCityDatabase.vol"}) {
        const fs::path shipped = payload / platform::toUtf8(name);
        const fs::path onDevice = platform::hostPath(installPath(name));
        const bool kept = std::find(copy.copied().begin(), copy.copied().end(),
                                    installPath(name)) == copy.copied().end();
        if (fs::exists(shipped) && kept && fs::exists(onDevice) &&
            !refreshReferenceTables(shipped, onDevice)) {
            ++failedFiles;
        }
    }

    if (hook.installExit(parent_, folder.c_str(), copy.failedDirectories(), failedFiles, 0, 0, 0) ==
        codeINSTALL_EXIT_UNINSTALL) {
        copy.undo();
        return InstallOutcome::Undone;
    }
    copy.commit();

    std::set<std::u16string> files(previous.begin(), previous.end());
    files.insert(copy.copied().begin(), copy.copied().end());
    manifest.save({files.begin(), files.end()});
    std::error_code error;
    fs::copy_file(payload / kHookFile, platform::hostPath(keptHookPath()),
                  fs::copy_options::overwrite_existing, error);
    if (menuEntry_) {
        writeDesktopEntry(platform::hostPath(installPath(u"tevaloWeather.exe")),
                          platform::hostPath(installPath(u"tevalo\\logo.png")));
    }
    return InstallOutcome::Installed;
}

bool Installer::remove() {
    error_.clear();
    const InstallManifest manifest{std::u16string(kPackage)};
    const std::vector<std::u16string> files = manifest.load();
    SetupHookLibrary hook(platform::hostPath(keptHookPath()));
    if (files.empty() || !hook.loaded()) {
        error_ = "tevaloWeather is not installed on this device";
        return false;
    }
    if (hook.attachHost) hook.attachHost(host_);
    const std::u16string folder(kInstallFolder);
    if (hook.uninstallInit(parent_, folder.c_str()) == codeUNINSTALL_INIT_CANCEL) return false;

    std::error_code error;
    for (const auto& file : files) {
        if (endsWith(file, u".vol")) continue;  // the user's data stays
        fs::remove(platform::hostPath(file), error);
    }
    removeEmptyFolders(files);
    hook.uninstallExit(parent_);

    manifest.erase();
    removeDesktopEntry();
    fs::remove(platform::hostPath(keptHookPath()), error);
    return true;
}

}  // namespace installer
