#pragma once

// Fonts by the names the screens ask for ("Arial", "幼圆", ...), resolved
// through fontconfig. A family that cannot show Chinese falls back to a CJK
// family, so every Chinese text stays legible.

#include <QFont>
#include <string>

namespace platform::ui {

struct FontSpec {
    std::u16string face;  // empty: the default dialog font
    int pixelSize = 12;
    bool bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The default dialog font of the screens.
FontSpec defaultFont();

class Font final {
public:
    static QFont toQFont(const FontSpec& choice);
};

}  // namespace platform::ui
