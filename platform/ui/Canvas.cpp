#include "platform/ui/Canvas.h"

#include <QFontMetrics>

#include "platform/ui/DisplayScale.h"
#include "platform/ui/WinDefs.h"

namespace platform::ui {
namespace {

int toQtFlags(unsigned format) {
    int flags = 0;
    if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & DT_VCENTER)
        flags |= Qt::AlignVCenter;
    else if (format & DT_BOTTOM)
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) flags |= Qt::TextSingleLine;
    return flags;
}

}  // namespace

QColor toQColor(Color c) {
    return QColor(c.r, c.g, c.b);
}
QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

Canvas::Canvas(QImage& target, DrawLog* log) : target_(target), painter_(&target), log_(log) {
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void Canvas::fillRect(const Rect& r, Color c) {
    painter_.fillRect(toQRect(r), toQColor(c));
    if (log_) log_->add({DrawOp::Kind::Fill, r, {}, 0, {}, c, {}});
}

void Canvas::drawText(std::u16string_view text, const Rect& r, unsigned format,
                      const FontChoice& font, Color color) {
    painter_.save();
    painter_.setFont(Font::toQFont(font));
    painter_.setPen(toQColor(color));
    const QString s = QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                           static_cast<qsizetype>(text.size()));
    if (format & DT_NOCLIP) {
        painter_.drawText(toQRect(r), toQtFlags(format) | Qt::TextDontClip, s);
    } else {
        painter_.setClipRect(toQRect(r));
        painter_.drawText(toQRect(r), toQtFlags(format), s);
    }
    painter_.restore();
    if (log_) log_->add({DrawOp::Kind::Text, r, std::u16string(text), format, font, color, {}});
}

void Canvas::drawPicture(const Picture& picture, const Rect& r) {
    if (picture.isNull() || r.empty()) return;
    painter_.drawImage(toQRect(r), picture.image());
    if (log_) log_->add({DrawOp::Kind::Picture, r, {}, 0, {}, {}, picture.file()});
}

void Canvas::drawLine(int x1, int y1, int x2, int y2, Color color, int penWidth) {
    painter_.save();
    painter_.setPen(QPen(toQColor(color), penWidth));
    painter_.drawLine(x1, y1, x2, y2);
    painter_.restore();
    if (log_) log_->add({DrawOp::Kind::Line, {x1, y1, x2, y2}, {}, 0, {}, color, {}});
}

void Canvas::drawFrame(const Rect& r, Color color) {
    drawLine(r.left, r.top, r.right - 1, r.top, color);
    drawLine(r.right - 1, r.top, r.right - 1, r.bottom - 1, color);
    drawLine(r.right - 1, r.bottom - 1, r.left, r.bottom - 1, color);
    drawLine(r.left, r.bottom - 1, r.left, r.top, color);
}

void Canvas::copyFrom(const Surface& source, const Rect& dst, int srcX, int srcY) {
    if (source.isNull() || dst.empty()) return;
    const qreal scale = source.image().devicePixelRatio();
    painter_.drawImage(
        QRectF(dst.left, dst.top, dst.width(), dst.height()), source.image(),
        QRectF(srcX * scale, srcY * scale, dst.width() * scale, dst.height() * scale));
    if (!log_) return;
    const Rect visible{srcX, srcY, srcX + dst.width(), srcY + dst.height()};
    const int dx = dst.left - srcX;
    const int dy = dst.top - srcY;
    for (const DrawOp& op : source.log().ops()) {
        const bool shows = op.rect.right > visible.left && op.rect.left < visible.right &&
                           op.rect.bottom > visible.top && op.rect.top < visible.bottom;
        if (!shows && op.kind != DrawOp::Kind::Line) continue;
        DrawOp moved = op;
        moved.rect = op.rect.offset(dx, dy);
        log_->add(std::move(moved));
    }
}

int Canvas::textHeight(std::u16string_view text, int width, const FontChoice& font) {
    const QFontMetrics fm(Font::toQFont(font));
    const QString s = QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                           static_cast<qsizetype>(text.size()));
    return fm.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, s).height();
}

Surface::Surface(int width, int height, Color fill) {
    resize(width, height, fill);
}

void Surface::resize(int width, int height, Color fill) {
    const int scale = displayScale();
    image_ = QImage(width * scale, height * scale, QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale);
    image_.fill(toQColor(fill));
    log_.clear();
    log_.add({DrawOp::Kind::Fill, {0, 0, width, height}, {}, 0, {}, fill, {}});
}

Canvas Surface::canvas() {
    log_.clear();
    return Canvas(image_, &log_);
}

}  // namespace platform::ui
