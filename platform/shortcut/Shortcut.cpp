#include "platform/shortcut/Shortcut.h"

#include <fstream>
#include <sstream>

#include "platform/device/DevicePath.h"
#include "platform/text/Utf.h"

namespace platform {

bool createShortcut(std::u16string_view shortcutPath, std::u16string_view target) {
    const auto file = hostPath(shortcutPath);
    std::error_code error;
    if (std::filesystem::exists(file, error)) return false;
    std::filesystem::create_directories(file.parent_path(), error);
    const std::string line = std::to_string(target.size()) + "#" + toUtf8(target);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << line;
    out.close();
    return static_cast<bool>(out);
}

std::optional<std::u16string> readShortcut(std::u16string_view shortcutPath) {
    std::ifstream in(hostPath(shortcutPath), std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream content;
    content << in.rdbuf();
    const std::u16string text = fromUtf8(content.str());
    const auto hash = text.find(u'#');
    if (hash == std::u16string::npos || hash == 0) return std::nullopt;
    for (size_t i = 0; i < hash; ++i) {
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    }
    std::u16string target = text.substr(hash + 1);
    while (!target.empty() && (target.back() == u'\n' || target.back() == u'\r')) target.pop_back();
    if (static_cast<size_t>(toInt(text.substr(0, hash))) != target.size()) return std::nullopt;
    return target;
}

}  // namespace platform
