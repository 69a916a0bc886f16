#include "platform/ui/Display.h"

#include <cstdlib>
#include <cstring>

namespace platform::ui {

bool parseDisplaySize(const char* text, int& width, int& height) {
    if (!text) return false;
    char* end = nullptr;
    long w = std::strtol(text, &end, 10);
    if (end == text || (*end != 'x' && *end != 'X')) return false;
    const char* second = end + 1;
    long h = std::strtol(second, &end, 10);
    if (end == second || *end != '\0') return false;
    if (w < 100 || h < 100 || w > 4096 || h > 4096) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

DeviceDisplay deviceDisplay() {
    DeviceDisplay d;
    int w = 0, h = 0;
    if (parseDisplaySize(std::getenv("TEVALO_DISPLAY"), w, h)) {
        d.width = w;
        d.height = h;
    }
    return d;
}

}  // namespace platform::ui
