#include "platform/today/TodayCanvas.h"

#include <QString>

namespace platform::today {
namespace {

QRect toQRect(const tevalo_today_rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

QColor toQColor(uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TodayCanvas::TodayCanvas(const tevalo_today_dc& dc, int fontPixels)
    : dc_(dc),
      target_(reinterpret_cast<uchar*>(dc.surface.pixels), dc.surface.width, dc.surface.height,
              dc.surface.stride, QImage::Format_ARGB32_Premultiplied) {
    if (!target_.isNull()) {
        painter_.begin(&target_);
        QFont font = painter_.font();
        if (fontPixels > 0) font.setPixelSize(fontPixels);
        painter_.setFont(font);
    }
}

TodayCanvas::~TodayCanvas() {
    if (painter_.isActive()) painter_.end();
}

void TodayCanvas::fill(const tevalo_today_rect& rect, uint32_t colour) {
    if (painter_.isActive()) painter_.fillRect(toQRect(rect), toQColor(colour));
    record(TEVALO_TODAY_DRAW_FILL, rect, colour, {});
}

void TodayCanvas::text(std::u16string_view text, const tevalo_today_rect& rect, TextAlign align,
                       uint32_t colour) {
    if (painter_.isActive()) {
        int flags = Qt::TextSingleLine;
        switch (align) {
            case TextAlign::LeftTop:
                flags |= Qt::AlignLeft | Qt::AlignTop;
                break;
            case TextAlign::CentreTop:
                flags |= Qt::AlignHCenter | Qt::AlignTop;
                break;
            case TextAlign::LeftVCentre:
                flags |= Qt::AlignLeft | Qt::AlignVCenter;
                break;
        }
        painter_.setPen(toQColor(colour));
        painter_.drawText(toQRect(rect), flags, toQString(text));
    }
    record(TEVALO_TODAY_DRAW_TEXT, rect, colour, text);
}

bool TodayCanvas::picture(const std::string& hostPath, const tevalo_today_rect& rect) {
    QImage image;
    if (!image.load(QString::fromStdString(hostPath), "PNG")) return false;
    if (painter_.isActive()) {
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(toQRect(rect), image);
    }
    const QString path = QString::fromStdString(hostPath);
    record(TEVALO_TODAY_DRAW_PICTURE, rect, 0,
           std::u16string_view(reinterpret_cast<const char16_t*>(path.utf16()), path.size()));
    return true;
}

void TodayCanvas::copy(const QImage& image, const tevalo_today_rect& rect) {
    if (painter_.isActive()) {
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        painter_.drawImage(QPoint(rect.left, rect.top), image,
                           toQRect(rect).translated(-rect.left, -rect.top));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    record(TEVALO_TODAY_DRAW_COPY, rect, 0, {});
}

void TodayCanvas::note(tevalo_today_draw_kind kind, const tevalo_today_rect& rect,
                       std::u16string_view text) {
    record(kind, rect, 0, text);
}

void TodayCanvas::record(tevalo_today_draw_kind kind, const tevalo_today_rect& rect,
                         uint32_t colour, std::u16string_view text) {
    if (!dc_.record) return;
    tevalo_today_draw draw{};
    draw.kind = kind;
    draw.rect = rect;
    draw.colour = colour;
    draw.text = text.empty() ? nullptr : text.data();
    draw.text_length = text.size();
    dc_.record(dc_.record_context, &draw);
}

void TodayBitmap::create(int width, int height, const tevalo_today_dc& logTo) {
    image_ = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::white);
    dc_ = logTo;
    dc_.surface.pixels = reinterpret_cast<uint32_t*>(image_.bits());
    dc_.surface.width = width;
    dc_.surface.height = height;
    dc_.surface.stride = static_cast<int32_t>(image_.bytesPerLine());
}

}  // namespace platform::today
