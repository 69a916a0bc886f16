#pragma once

// The painter of a screen's off-screen picture. Every call draws into the
// QImage and, when a log is attached, records what was drawn (see DrawLog).

#include <QImage>
#include <QPainter>
#include <string>

#include "platform/ui/DrawLog.h"
#include "platform/ui/Font.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Picture.h"

namespace platform::ui {

class Surface;

class Canvas final {
public:
    Canvas(QImage& target, DrawLog* log);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Logical pixels; at display scale N the target holds N x N device pixels each.
    int width() const { return static_cast<int>(target_.deviceIndependentSize().width()); }
    int height() const { return static_cast<int>(target_.deviceIndependentSize().height()); }
    Rect bounds() const { return {0, 0, width(), height()}; }

    void fillRect(const Rect& r, Color c);
    // DT_* flags: alignment, DT_SINGLELINE, DT_WORDBREAK. Transparent background.
    void drawText(std::u16string_view text, const Rect& r, unsigned format, const FontChoice& font,
                  Color color);
    // Stretched into r; a null picture is skipped and not logged.
    void drawPicture(const Picture& picture, const Rect& r);
    void drawLine(int x1, int y1, int x2, int y2, Color color, int penWidth = 1);
    void drawFrame(const Rect& r, Color color);
    // Copies the part of `source` that starts at (srcX, srcY) into dst (one
    // plain copy, as the lists scroll their tall picture). The source's log is
    // carried over for the part that shows.
    void copyFrom(const Surface& source, const Rect& dst, int srcX, int srcY);

    // Height the text takes when word-wrapped into `width`.
    static int textHeight(std::u16string_view text, int width, const FontChoice& font);

    QPainter& painter() { return painter_; }

private:
    QImage& target_;
    QPainter painter_;
    DrawLog* log_;
};

// A second off-screen picture (for example a list taller than the display),
// sized in logical pixels and made at the display scale.
class Surface final {
public:
    Surface() = default;
    Surface(int width, int height, Color fill);
    void resize(int width, int height, Color fill);
    bool isNull() const { return image_.isNull(); }
    int width() const { return static_cast<int>(image_.deviceIndependentSize().width()); }
    int height() const { return static_cast<int>(image_.deviceIndependentSize().height()); }
    const QImage& image() const { return image_; }
    const DrawLog& log() const { return log_; }
    // Each canvas starts a fresh log of this surface.
    Canvas canvas();

private:
    QImage image_;
    DrawLog log_;
};

QColor toQColor(Color c);
QRect toQRect(const Rect& r);

}  // namespace platform::ui
