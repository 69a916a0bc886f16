#include "hosts/installer/Installer.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "hosts/installer/DesktopEntry.h"
#include "hosts/installer/InstallManifest.h"
#include "hosts/installer/PayloadCopy.h"
#include "hosts/installer/ReferenceRefresh.h"
#include "hosts/installer/SetupHookLibrary.h"
#include "platform/device/DevicePath.h"
#include "platform/propdb/PropDb.h"
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

// Removal deletes a listed file only when installation can have placed it: a
// file inside the install folder that is neither a volume (the user's data)
// nor a file SQLite keeps beside one. Whatever else a list names stays.
bool removable(const std::u16string& devicePath) {
    const std::u16string folder = std::u16string(kInstallFolder) + u"\\";
    if (devicePath.size() <= folder.size()) return false;
    for (std::size_t i = 0; i < folder.size(); ++i) {
        const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; };
        if (fold(devicePath[i]) != fold(folder[i])) return false;
    }
    std::u16string_view rest = std::u16string_view(devicePath).substr(folder.size());
    for (std::size_t start = 0; start <= rest.size();) {
        std::size_t end = rest.find_first_of(u"\\/", start);
        if (end == std::u16string_view::npos) end = rest.size();
        const std::u16string_view part = rest.substr(start, end - start);
        if (part.empty() || part == u"." || part == u"..") return false;
        start = end + 1;
    }
    const std::string name = platform::hostPath(devicePath).filename().string();
    if (endsWith(devicePath, u".vol") || platform::propdb::isVolumeCompanion(name)) return false;
    std::error_code error;
    return fs::symlink_status(platform::hostPath(devicePath), error).type() ==
           fs::file_type::regular;
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
    const PayloadPlan plan = planPayload(payload, kInstallFolder);
    if (!plan.refused.empty()) {
        error_ = plan.refused + "; nothing was installed";
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
    copy.copy(plan.files);
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
    std::vector<std::u16string> placed;
    std::copy_if(files.begin(), files.end(), std::back_inserter(placed), removable);
    for (const auto& file : placed) fs::remove(platform::hostPath(file), error);
    removeEmptyFolders(placed);
    hook.uninstallExit(parent_);

    manifest.erase();
    removeDesktopEntry();
    fs::remove(platform::hostPath(keptHookPath()), error);
    return true;
}

}  // namespace installer
