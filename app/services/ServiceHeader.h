#pragma once

// The header band of the services screens, the same as the main menu's: the
// bar picture stretched over the top margin, the date on the left and the
// product title on the right, both centred vertically.

#include <string_view>

#include "platform/ui/Canvas.h"
#include "platform/ui/Picture.h"

namespace services {

void drawServiceHeader(platform::ui::Canvas& canvas, const platform::ui::Picture& bar, int width,
                       int topMargin, platform::ui::Color background, std::u16string_view date);

// The white strip a fetching screen shows its progress in, with black text 5
// pixels below its top.
void drawProgressStrip(platform::ui::Canvas& canvas, int top, int bottom, int width,
                       std::u16string_view text);

// Height of one character of the screens' font.
int characterHeight();

}  // namespace services
