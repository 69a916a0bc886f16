#pragma once

// Where light ink (the screens' white text on their dark backgrounds) lies in
// a picture, for tests that judge what is actually visible.

#include <QImage>
#include <optional>
#include <string_view>

#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"

namespace testing_support {

// The bounds of the light pixels within `area` (right and bottom exclusive);
// none when the area holds none.
std::optional<platform::ui::Rect> lightBounds(const QImage& image, const platform::ui::Rect& area);

// A black picture of the given size with only this text on it, drawn white
// into `rect` with the DT_* format and font, as a screen would draw it.
QImage textAlone(std::u16string_view text, const platform::ui::Rect& rect, unsigned format,
                 const platform::ui::FontChoice& font, int width, int height);

}  // namespace testing_support
