#include "platform/ui/HostPath.h"

#include <cstdlib>
#include <mutex>

#include "platform/text/Utf.h"

namespace platform::ui {
namespace {

std::mutex& resolverMutex() {
    static std::mutex m;
    return m;
}

PathResolver& installed() {
    static PathResolver r;
    return r;
}

std::filesystem::path builtinRoot() {
    if (const char* root = std::getenv("TEVALO_DEVICE_ROOT"); root && *root) return root;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::filesystem::path(data) / "tevalo" / "device";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home ? home : "/tmp") / ".local/share/tevalo/device";
}

std::filesystem::path builtin(std::u16string_view devicePath) {
    std::string p = platform::toUtf8(devicePath);
    for (char& c : p) {
        if (c == '\\') c = '/';
    }
    while (!p.empty() && p.front() == '/') p.erase(p.begin());
    return builtinRoot() / p;
}

}  // namespace

std::filesystem::path hostPath(std::u16string_view devicePath) {
    PathResolver r;
    {
        std::lock_guard lock(resolverMutex());
        r = installed();
    }
    return r ? r(devicePath) : builtin(devicePath);
}

void setPathResolver(PathResolver resolver) {
    std::lock_guard lock(resolverMutex());
    installed() = std::move(resolver);
}

}  // namespace platform::ui
