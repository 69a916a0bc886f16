#pragma once

// Geometry of the item's band: six text lines of height L plus five pixels, a city
// row, three day columns and the alert row.

#include "platform/today/TodayItem.h"

namespace today {

class TodayLayout final {
public:
    // Line height for a system font of `fontPixels` pixels.
    static int lineHeight(int fontPixels);
    static int bandHeight(int lineHeight) { return 6 * lineHeight + 5; }

    TodayLayout(int width, int lineHeight) : w_(width), l_(lineHeight) {}

    int width() const { return w_; }
    int line() const { return l_; }
    tevalo_today_rect band() const { return {0, 0, w_, bandHeight(l_)}; }
    tevalo_today_rect cityRow() const { return {0, 0, w_, l_}; }
    tevalo_today_rect cityText() const { return {2 * l_, 0, w_, l_}; }
    tevalo_today_rect dayDate(int day) const;
    tevalo_today_rect dayPicture(int day) const;
    tevalo_today_rect dayTemperature(int day) const;
    tevalo_today_rect alertPicture() const;
    tevalo_today_rect alertText() const { return {2 * l_, 5 * l_, w_, 6 * l_ + 5}; }

private:
    int columnLeft(int day) const;
    int columnRight(int day) const;

    int w_;
    int l_;
};

}  // namespace today
