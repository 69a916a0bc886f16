#include "platform/ui/DisplayScale.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace platform::ui {

std::optional<int> parseDisplayScale(const char* text) {
    if (!text || std::strlen(text) != 1 || text[0] < '1' || text[0] > '4') return std::nullopt;
    return text[0] - '0';
}

int scaleForDpi(double logicalDpi) {
    // 144 dpi is 1.5 x 96 and rounds up; 240 is 2.5 x 96.
    const int scale = static_cast<int>(std::floor(logicalDpi / 96.0 + 0.5));
    return std::clamp(scale, 1, 4);
}

void applyDisplayScale(const char* program) {
    const char* text = std::getenv("TEVALO_SCALE");
    if (const auto scale = parseDisplayScale(text)) {
        // Only our factor: the platform's own guess would multiply with it.
        ::setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        ::setenv("QT_SCALE_FACTOR", std::to_string(*scale).c_str(), 1);
        ::unsetenv("QT_SCREEN_SCALE_FACTORS");
        return;
    }
    if (text && *text) {
        std::fprintf(stderr,
                     "%s: TEVALO_SCALE must be 1, 2, 3 or 4, not \"%s\"; using the screen's\n",
                     program, text);
    }
    // Whole factors only, so pictures rendered for 1 to 4 times fit pixel for pixel.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

int displayScale() {
    const double ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    return std::clamp(static_cast<int>(std::lround(ratio)), 1, 4);
}

}  // namespace platform::ui
