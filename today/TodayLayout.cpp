#include "today/TodayLayout.h"

namespace today {
namespace {

// The column edges are computed in single precision with these factors, so that the
// item looks the same at every width as it always did.
constexpr float kColumnFactor[] = {0.0f, 0.33333334f, 0.6666667f};

}  // namespace

int TodayLayout::lineHeight(int fontPixels) {
    return fontPixels > 0 ? fontPixels + fontPixels / 6 + 1 : fontPixels;
}

int TodayLayout::columnLeft(int day) const {
    return static_cast<int>(static_cast<float>(w_) * kColumnFactor[day]);
}

int TodayLayout::columnRight(int day) const {
    return day >= 2 ? w_ : columnLeft(day + 1);
}

tevalo_today_rect TodayLayout::dayDate(int day) const {
    return {columnLeft(day), l_, columnRight(day), 2 * l_};
}

tevalo_today_rect TodayLayout::dayPicture(int day) const {
    const float offset = (static_cast<float>(w_) / 3.0f - static_cast<float>(2 * l_)) / 2.0f;
    const int left = static_cast<int>(static_cast<float>(columnLeft(day)) + offset);
    return {left, 2 * l_, left + 2 * l_, 4 * l_};
}

tevalo_today_rect TodayLayout::dayTemperature(int day) const {
    return {columnLeft(day), 4 * l_, columnRight(day), 5 * l_};
}

tevalo_today_rect TodayLayout::alertPicture() const {
    const int left = l_ / 2;
    const int top = 5 * l_ + 2;
    return {left, top, left + l_, top + l_};
}

}  // namespace today
