#include "app/shell/HeaderBand.h"

#include "app/shell/ShellScreen.h"

namespace app {

using namespace platform::ui;

void HeaderBand::paint(Canvas& canvas, const Picture& bar, int topMargin,
                       std::u16string_view leftText) {
    const int w = canvas.width();
    canvas.drawPicture(bar, {0, 0, w, topMargin});
    const Rect text{20, 0, w - 20, topMargin};
    canvas.drawText(leftText, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, font(), kWhite);
    canvas.drawText(kProductTitle, text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE, font(), kWhite);
}

}  // namespace app
