#pragma once

// Fonts by the names the screens ask for ("Arial", "幼圆", ...), resolved
// through fontconfig. A family that cannot show Chinese falls back to a CJK
// family, so every Chinese text stays legible. A symbol family comes before
// the CJK one: the CJK family claims signs such as "℃" but draws them empty,
// and a claimed character never falls back.

#include <QFont>
#include <QStringList>
#include <string>

namespace platform::ui {

struct FontChoice {
    std::u16string face;  // empty: the default dialog font
    int pixelSize = 12;
    bool bold = false;
    // Average character width in pixels, as the phone's fonts take it: the
    // face is narrowed or widened to it. 0: the face's own width.
    int width = 0;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

// The default dialog font of the screens.
FontChoice defaultFont();

class Font final {
public:
    static QFont toQFont(const FontChoice& choice);
    // The families a font of this face tries, in order.
    static QStringList families(const std::u16string& face);
};

}  // namespace platform::ui
