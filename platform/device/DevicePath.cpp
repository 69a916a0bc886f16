#include "platform/device/DevicePath.h"

#include <cstdlib>
#include <mutex>
#include <string>
#include <system_error>

#include "platform/text/Utf.h"

namespace platform {
namespace {

std::mutex rootMutex;
std::filesystem::path rootOverride;

std::filesystem::path environmentRoot() {
    if (const char* root = std::getenv("TEVALO_DEVICE_ROOT"); root && *root) {
        return root;
    }
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return std::filesystem::path(data) / "tevalo" / "device";
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : "/tmp") / ".local" / "share" / "tevalo" /
           "device";
}

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    }
    return true;
}

// The existing entry of `dir` named like `name` apart from case, or `name`.
std::string resolveComponent(const std::filesystem::path& dir, const std::string& name) {
    std::error_code ec;
    if (std::filesystem::exists(dir / name, ec)) return name;
    std::filesystem::directory_iterator it(dir, ec);
    if (ec) return name;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const std::string candidate = it->path().filename().string();
        if (equalsIgnoringCase(candidate, name)) return candidate;
    }
    return name;
}

}  // namespace

std::u16string_view specialFolderPath(SpecialFolder folder) {
    switch (folder) {
        case SpecialFolder::Programs:
            return u"\\Windows\\Start Menu\\Programs";
        case SpecialFolder::Windows:
            return u"\\Windows";
    }
    return {};
}

std::filesystem::path deviceRoot() {
    {
        std::lock_guard lock(rootMutex);
        if (!rootOverride.empty()) return rootOverride;
    }
    return environmentRoot();
}

std::filesystem::path canonicalDeviceRoot() {
    return canonicalRoot(deviceRoot());
}

std::filesystem::path canonicalRoot(const std::filesystem::path& root) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(root, error);
    std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
    if (error) canonical = absolute.lexically_normal();
    if (canonical.has_relative_path() && !canonical.has_filename())
        canonical = canonical.parent_path();
    return canonical;
}

void setDeviceRoot(const std::filesystem::path& root) {
    std::lock_guard lock(rootMutex);
    rootOverride = root;
}

std::filesystem::path hostPath(std::u16string_view phonePath) {
    std::filesystem::path result = deviceRoot();
    const std::string utf8 = toUtf8(phonePath);
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find_first_of("\\/", start);
        if (end == std::string::npos) end = utf8.size();
        const std::string component = utf8.substr(start, end - start);
        if (!component.empty() && component != "." && component != "..") {
            result /= resolveComponent(result, component);
        }
        start = end + 1;
    }
    return result;
}

std::u16string devicePath(const std::filesystem::path& host) {
    const std::filesystem::path root = deviceRoot().lexically_normal();
    const std::filesystem::path relative = host.lexically_normal().lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..") return {};
    std::u16string result;
    for (const auto& part : relative) {
        if (part == "." || part.empty()) continue;
        result += u'\\';
        result += fromUtf8(part.string());
    }
    return result.empty() ? u"\\" : result;
}

}  // namespace platform
