#pragma once

// Drawing on a home-screen drawing context: a QPainter over the context's pixels that
// also reports each operation to the context's draw log, when the host keeps one.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <string>
#include <string_view>

#include "platform/today/TodayItem.h"

namespace platform::today {

enum class TextAlign { LeftTop, CentreTop, LeftVCentre };

class TodayCanvas final {
public:
    TodayCanvas(const tevalo_today_dc& dc, int fontPixels);
    ~TodayCanvas();
    TodayCanvas(const TodayCanvas&) = delete;
    TodayCanvas& operator=(const TodayCanvas&) = delete;

    void fill(const tevalo_today_rect& rect, uint32_t colour);
    void text(std::u16string_view text, const tevalo_today_rect& rect, TextAlign align,
              uint32_t colour);
    // Decodes a PNG file and draws it stretched into rect; false (nothing drawn) when
    // the file cannot be decoded.
    bool picture(const std::string& hostPath, const tevalo_today_rect& rect);
    // Copies `image` to the top left corner, clipped to rect.
    void copy(const QImage& image, const tevalo_today_rect& rect);
    // Reports an operation done by someone else on this context (the host's watermark,
    // a re-render).
    void note(tevalo_today_draw_kind kind, const tevalo_today_rect& rect,
              std::u16string_view text = {});

private:
    void record(tevalo_today_draw_kind kind, const tevalo_today_rect& rect, uint32_t colour,
                std::u16string_view text);

    const tevalo_today_dc& dc_;
    QImage target_;
    QPainter painter_;
};

// The context's pixels as a picture drawn on in logical pixels (its device pixel
// ratio is the surface's scale).
QImage surfaceImage(const tevalo_today_surface& surface);

// An off-screen picture with a drawing context of its own, whose draw log goes to the
// log of the context it is meant for.
class TodayBitmap final {
public:
    TodayBitmap() = default;
    TodayBitmap(const TodayBitmap&) = delete;
    TodayBitmap& operator=(const TodayBitmap&) = delete;

    // Drops any earlier picture and makes a new one of width x height logical
    // pixels, at the scale of the context it is meant for.
    void create(int width, int height, const tevalo_today_dc& logTo);
    bool valid() const { return !image_.isNull(); }
    int height() const { return static_cast<int>(image_.deviceIndependentSize().height()); }
    const QImage& image() const { return image_; }
    const tevalo_today_dc& dc() const { return dc_; }

private:
    QImage image_;
    tevalo_today_dc dc_{};
};

}  // namespace platform::today
