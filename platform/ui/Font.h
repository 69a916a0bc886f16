#pragma once

// Fonts by the names the screens ask for ("Arial", "幼圆", ...), resolved
// through fontconfig. A family that cannot show Chinese falls back to a CJK
// family, so every Chinese text stays legible.

#include <QFont>
#include <string>

namespace platform::ui {

struct FontChoice {
    std::u16string face;  // empty: the default dialog font
    int pixelSize = 12;
    bool bold = false;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// The default dialog font of the screens.
FontChoice defaultFont();

class Font final {
public:
    static QFont toQFont(const FontChoice& choice);
};

}  // namespace platform::ui
