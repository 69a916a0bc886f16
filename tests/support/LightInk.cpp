#include "tests/support/LightInk.h"

#include <algorithm>

#include "platform/ui/Canvas.h"
#include "platform/ui/WinDefs.h"

namespace testing_support {

namespace ui = platform::ui;

std::optional<ui::Rect> lightBounds(const QImage& image, const ui::Rect& area) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int left = std::max(0, area.left), right = std::min(area.right, rgb.width());
    const int top = std::max(0, area.top), bottom = std::min(area.bottom, rgb.height());
    std::optional<ui::Rect> found;
    for (int y = top; y < bottom; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = left; x < right; ++x) {
            if (qGray(row[x]) <= 160) continue;
            if (!found) found = ui::Rect{x, y, x + 1, y + 1};
            found->left = std::min(found->left, x);
            found->right = std::max(found->right, x + 1);
            found->bottom = y + 1;
        }
    }
    return found;
}

QImage textAlone(std::u16string_view text, const ui::Rect& rect, unsigned format,
                 const ui::FontChoice& font, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    ui::Canvas canvas(picture, nullptr);
    canvas.fillRect({0, 0, width, height}, ui::kBlack);
    canvas.drawText(text, rect, format, font, ui::kWhite);
    return picture;
}

}  // namespace testing_support
