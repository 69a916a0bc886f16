#include "hosts/installer/PayloadCopy.h"

#include <unistd.h>
#include <algorithm>
#include <atomic>

#include "platform/device/DevicePath.h"
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

std::vector<PayloadFile> planPayload(const fs::path& payload, std::u16string_view installFolder) {
    std::vector<PayloadFile> files;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(payload, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file()) continue;
        const fs::path relative = fs::relative(it->path(), payload);
        if (!belongsToPackage(relative)) continue;
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
    std::sort(files.begin(), files.end(),
              [](const PayloadFile& a, const PayloadFile& b) { return a.target < b.target; });
    return files;
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
        std::error_code error;
        if (fs::exists(target, error) && fs::is_regular_file(target, error)) {
            const fs::path kept = backup_ / std::to_string(saved_.size());
            fs::create_directories(backup_, error);
            if (!error) fs::copy_file(target, kept, error);
            if (!error) saved_.emplace_back(target, kept);
        }
        error.clear();
        // A journal left by a crashed writer belongs to the old volume; next
        // to the new one it would be rolled back into it.
        if (target.extension() == ".vol") fs::remove(fs::path(target.string() + "-journal"), error);
        error.clear();
        fs::copy_file(file.source, target, fs::copy_options::overwrite_existing, error);
        if (error) {
            ++failedFiles_;
            continue;
        }
        fs::permissions(target, fs::status(file.source).permissions(), error);
        copied_.push_back(file.target);
    }
}

void PayloadCopy::undo() {
    std::error_code error;
    for (const auto& path : copied_) fs::remove(platform::hostPath(path), error);
    for (const auto& [original, kept] : saved_) {
        fs::copy_file(kept, original, fs::copy_options::overwrite_existing, error);
    }
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
