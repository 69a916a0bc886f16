#pragma once

// Draws a forecast city list: the tall list picture of all rows, and the
// screen made of its visible part, the header line and the selection bar.

#include <string>

#include "app/forecast/CityListGeometry.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Picture.h"
#include "store/CityRowList.h"

namespace app {

class CityListPainter final {
public:
    // Rows on black; texts white, the weather text two blanks before the temperature.
    static void paintList(platform::ui::Surface& list, const CityListGeometry& geometry,
                          const store::CityRowList& rows);

    struct Header {
        std::u16string text;
        bool leftAligned = false;
    };

    // The visible part of the list, then the header and the selection bar.
    static void paintScreen(platform::ui::Canvas& screen, const platform::ui::Surface& list,
                            const CityListGeometry& geometry, int scrollOffset,
                            const Header& header, const platform::ui::Picture& selectionBar,
                            int selection, bool drawSelection);

    // The white progress strip with one line of black text.
    static void paintProgress(platform::ui::Canvas& screen, const CityListGeometry& geometry,
                              std::u16string_view text, bool singleCity);
};

}  // namespace app
