#include "app/services/ServiceHeader.h"

#include "app/shell/ShellScreen.h"
#include "platform/ui/WinDefs.h"

namespace services {

using namespace platform::ui;

void drawServiceHeader(Canvas& canvas, const Picture& bar, int width, int topMargin,
                       Color background, std::u16string_view date) {
    const Rect band{0, 0, width, topMargin};
    canvas.fillRect(band, background);
    canvas.drawPicture(bar, band);
    const Rect text{20, 0, width - 20, topMargin};
    canvas.drawText(date, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, defaultFont(), kWhite);
    canvas.drawText(app::kProductTitle, text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, defaultFont(),
                    kWhite);
}

void drawProgressStrip(Canvas& canvas, int top, int bottom, int width, std::u16string_view text) {
    canvas.fillRect({0, top, width, bottom}, kWhite);
    canvas.drawText(text, {20, top + 5, width, bottom}, DT_LEFT | DT_TOP | DT_SINGLELINE,
                    defaultFont(), kBlack);
}

int characterHeight() {
    return Canvas::textHeight(u"绘", 1000, defaultFont());
}

}  // namespace services
