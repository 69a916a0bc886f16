#include "app/forecast/CityListPainter.h"

#include "platform/ui/WinDefs.h"
#include "weather/CodeTables.h"

namespace app {

using platform::ui::Canvas;
using platform::ui::Rect;
namespace ui = platform::ui;

namespace {

constexpr unsigned kLineFormat = ui::DT_LEFT | ui::DT_TOP | ui::DT_SINGLELINE | ui::DT_NOCLIP;
constexpr int kLineHeight = 20;

Rect lineAt(CityListGeometry::Point origin, int width) {
    return Rect{origin.x, origin.y, width, origin.y + kLineHeight};
}

}  // namespace

void CityListPainter::paintList(ui::Surface& list, const CityListGeometry& geometry,
                                const store::CityRowList& rows) {
    list.resize(geometry.width(), geometry.listPictureHeight(), ui::kBlack);
    Canvas canvas = list.canvas();
    const auto font = ui::defaultFont();
    int i = 0;
    for (const auto& row : rows) {
        std::u16string file(weather::kWeatherPictureFolder);
        file += row.iconFile;
        if (!row.iconFile.empty())
            canvas.drawPicture(ui::Picture(file), geometry.rowPictureRect(i));
        canvas.drawText(row.cityName, lineAt(geometry.nameOrigin(i), geometry.width()), kLineFormat,
                        font, ui::kWhite);
        canvas.drawText(row.firstLine + u"  " + row.secondLine,
                        lineAt(geometry.weatherOrigin(i), geometry.width()), kLineFormat, font,
                        ui::kWhite);
        ++i;
    }
}

void CityListPainter::paintScreen(Canvas& screen, const ui::Surface& list,
                                  const CityListGeometry& geometry, int scrollOffset,
                                  const Header& header, const ui::Picture& selectionBar,
                                  int selection, bool drawSelection) {
    screen.copyFrom(list, Rect{0, 0, geometry.width(), geometry.height()}, 0, scrollOffset);
    const unsigned align = header.leftAligned ? ui::DT_LEFT : ui::DT_RIGHT;
    screen.drawText(header.text, geometry.headerRect(), align | ui::DT_VCENTER | ui::DT_SINGLELINE,
                    ui::defaultFont(), ui::kWhite);
    if (drawSelection)
        screen.drawPicture(selectionBar, geometry.selectionRect(selection, scrollOffset));
}

void CityListPainter::paintProgress(Canvas& screen, const CityListGeometry& geometry,
                                    std::u16string_view text, bool singleCity) {
    const Rect strip = geometry.progressStrip();
    screen.fillRect(strip, ui::kWhite);
    screen.drawText(text, lineAt(geometry.progressOrigin(singleCity), geometry.width()),
                    kLineFormat, ui::defaultFont(), ui::kBlack);
}

}  // namespace app
