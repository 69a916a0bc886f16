#include "hosts/installer/PayloadCopy.h"

#include <unistd.h>
#include <algorithm>
#include <atomic>

#include "hosts/installer/InstallManifest.h"
#include "platform/device/DevicePath.h"
#include "platform/propdb/PropDb.h"
#include "platform/text/Utf.h"

namespace installer {
namespace fs = std::filesystem;
namespace {

// Host file names of the build and the names the device uses for them.
std::u16string deviceName(const std::string& hostName) {
    if (hostName == "tevaloWeather") return u"tevaloWeather.exe";
    if (hostName == "libtevaloWeatherToDay.so") return u"tevaloWeatherToDay.dll";
    return platform::fromUtf8(hostName);
}

bool belongsToPackage(const fs::path& relative) {
    const std::string first = relative.begin()->string();
    if (first.rfind("tevalo-", 0) == 0) return false;  // device hosts and the service stand-in
    if (first == "libtevaloNewsletterWeatherStupDll.so") return false;
    return true;
}

// Why a payload entry cannot be installed under its name, or empty.
std::string refusal(const fs::directory_entry& entry, const fs::path& relative) {
    std::string shown(1, '"');
    shown += InstallManifest::encode(platform::fromUtf8(relative.string()));
    shown += '"';
    if (entry.is_symlink()) return "payload entry " + shown + " is a symbolic link";
    for (const auto& part : relative) {
        for (const char c : part.string()) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7F)
                return "payload name " + shown + " holds a control character";
            if (c == '\\') return "payload name " + shown + " holds a backslash";
        }
    }
    return {};
}

// Writes `source` beside `target` and renames it over the target in one step.
bool placeFile(const fs::path& source, const fs::path& target) {
    std::string besideName = target.filename().string();
    besideName.insert(besideName.begin(), '.');
    besideName += ".tevalo-new";
    const fs::path beside = target.parent_path() / besideName;
    std::error_code error;
    fs::copy_file(source, beside, fs::copy_options::overwrite_existing, error);
    if (!error) fs::permissions(beside, fs::status(source).permissions(), error);
    if (!error) fs::rename(beside, target, error);
    if (!error) return true;
    fs::remove(beside, error);
    return false;
}

// A volume is replaced only once SQLite has settled a journal beside it.
bool settleVolume(const fs::path& target) {
    std::error_code error;
    if (target.extension() != ".vol" || !fs::exists(fs::path(target).concat("-journal"), error))
        return true;
    return platform::propdb::Volume::recover(target);
}

void createParents(const fs::path& file, std::vector<fs::path>& created, std::uint16_t& failed) {
    std::vector<fs::path> missing;
    for (fs::path dir = file.parent_path(); !dir.empty() && !fs::exists(dir);
         dir = dir.parent_path()) {
        missing.push_back(dir);
    }
    std::reverse(missing.begin(), missing.end());
    for (const auto& dir : missing) {
        std::error_code error;
        if (fs::create_directory(dir, error)) {
            created.push_back(dir);
        } else if (!fs::is_directory(dir)) {
            ++failed;
            return;
        }
    }
}

}  // namespace

bool isUserVolume(std::u16string_view fileName) {
    return fileName == u"CityDatabase.vol" || fileName == u"RainfallCityDatabase.vol";
}

PayloadPlan planPayload(const fs::path& payload, std::u16string_view installFolder) {
    PayloadPlan plan;
    auto& files = plan.files;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(payload, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const fs::path relative = it->path().lexically_relative(payload);
        if (!belongsToPackage(relative)) continue;
        if (plan.refused = refusal(*it, relative); !plan.refused.empty()) {
            files.clear();
            return plan;
        }
        if (!it->is_regular_file() ||
            platform::propdb::isVolumeCompanion(relative.filename().string()))
            continue;
        std::u16string target(installFolder);
        for (auto part = relative.begin(); part != relative.end(); ++part) {
            if (target.empty() || target.back() != u'\\') target += u'\\';
            const bool last = std::next(part) == relative.end();
            target += last ? deviceName(part->string()) : platform::fromUtf8(part->string());
        }
        if (relative.has_parent_path() == false && isUserVolume(deviceName(relative.string())) &&
            fs::exists(platform::hostPath(target))) {
            continue;
        }
        files.push_back({it->path(), target});
    }
    if (error) plan.refused = "cannot read the payload: " + error.message();
    std::sort(files.begin(), files.end(),
              [](const PayloadFile& a, const PayloadFile& b) { return a.target < b.target; });
    return plan;
}

PayloadCopy::PayloadCopy() {
    static std::atomic<int> counter{0};
    backup_ = fs::temp_directory_path() / ("tevalo-install-backup-" + std::to_string(getpid()) +
                                           "-" + std::to_string(counter++));
}

PayloadCopy::~PayloadCopy() {
    std::error_code error;
    fs::remove_all(backup_, error);
}

void PayloadCopy::copy(const std::vector<PayloadFile>& files) {
    for (const auto& file : files) {
        const fs::path target = platform::hostPath(file.target);
        createParents(target, createdDirectories_, failedDirectories_);
        if (!settleVolume(target) || !keep(target) || !placeFile(file.source, target)) {
            ++failedFiles_;
            continue;
        }
        copied_.push_back(file.target);
    }
}

bool PayloadCopy::keep(const fs::path& target) {
    std::error_code error;
    if (!fs::is_regular_file(target, error)) return true;  // nothing to put back
    const fs::path kept = backup_ / std::to_string(saved_.size());
    fs::create_directories(backup_, error);
    if (!error) fs::copy_file(target, kept, error);
    if (error) return false;  // without a kept copy an undo could not restore it
    saved_.emplace_back(target, kept);
    return true;
}

void PayloadCopy::undo() {
    std::error_code error;
    for (const auto& path : copied_) fs::remove(platform::hostPath(path), error);
    for (const auto& [original, kept] : saved_) placeFile(kept, original);
    for (auto dir = createdDirectories_.rbegin(); dir != createdDirectories_.rend(); ++dir) {
        fs::remove(*dir, error);  // only when empty again
    }
    copied_.clear();
    saved_.clear();
    createdDirectories_.clear();
}

void PayloadCopy::commit() {
    std::error_code error;
    fs::remove_all(backup_, error);
    saved_.clear();
}

}  // namespace installer
