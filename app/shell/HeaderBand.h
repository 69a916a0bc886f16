#pragma once

// The header band of the main menu, the cover window and the help screen: the
// bar picture "tmd.png" over the top margin, a text at the left (date or time)
// and the product title at the right, both vertically centred.

#include <string>

#include "platform/ui/Canvas.h"

namespace app {

class HeaderBand final {
public:
    static void paint(platform::ui::Canvas& canvas, const platform::ui::Picture& bar, int topMargin,
                      std::u16string_view leftText);
    static platform::ui::FontChoice font() { return {u"", 12, true}; }
};

}  // namespace app
