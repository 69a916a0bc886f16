#include "platform/today/TodayCanvas.h"

#include <QString>
#include <algorithm>

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

int scaleOf(const tevalo_today_surface& surface) {
    return std::clamp(surface.scale, 1, 4);
}

}  // namespace

QImage surfaceImage(const tevalo_today_surface& surface) {
    QImage image(reinterpret_cast<uchar*>(surface.pixels), surface.width, surface.height,
                 surface.stride, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scaleOf(surface));
    return image;
}

TodayCanvas::TodayCanvas(const tevalo_today_dc& dc, int fontPixels)
    : dc_(dc), target_(surfaceImage(dc.surface)) {
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
    // At scale N the picture made for it ("name@Nx.png") is drawn pixel for pixel.
    QImage image;
    const int scale = scaleOf(dc_.surface);
    const QString path = QString::fromStdString(hostPath);
    if (scale > 1 && path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
        image.load(path.left(path.size() - 4) + QStringLiteral("@%1x.png").arg(scale), "PNG")) {
        image.setDevicePixelRatio(scale);
    } else if (!image.load(path, "PNG")) {
        return false;
    }
    if (painter_.isActive()) {
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(toQRect(rect), image);
    }
    record(TEVALO_TODAY_DRAW_PICTURE, rect, 0,
           std::u16string_view(reinterpret_cast<const char16_t*>(path.utf16()), path.size()));
    return true;
}

void TodayCanvas::copy(const QImage& image, const tevalo_today_rect& rect) {
    if (painter_.isActive()) {
        painter_.setCompositionMode(QPainter::CompositionMode_Source);
        const qreal scale = image.devicePixelRatio();
        const QRect area(0, 0, rect.right - rect.left, rect.bottom - rect.top);
        painter_.drawImage(QRectF(rect.left, rect.top, area.width(), area.height()), image,
                           QRectF(0, 0, area.width() * scale, area.height() * scale));
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
    const int scale = scaleOf(logTo.surface);
    image_ = QImage(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(scale);
    image_.fill(Qt::white);
    dc_ = logTo;
    dc_.surface.pixels = reinterpret_cast<uint32_t*>(image_.bits());
    dc_.surface.width = width * scale;
    dc_.surface.height = height * scale;
    dc_.surface.stride = static_cast<int32_t>(image_.bytesPerLine());
    dc_.surface.scale = scale;
}

}  // namespace platform::today
