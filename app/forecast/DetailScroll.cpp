#include "app/forecast/DetailScroll.h"

#include <algorithm>

namespace app {

void DetailScroll::resize(int clientHeight) {
    offset_ = 0;
    position_ = 0;
    page_ = static_cast<int>(static_cast<float>(clientHeight) * kRange / span_);
}

int DetailScroll::clampPosition(float position) const {
    const int last = std::max(kRange - page_, 0);
    return std::clamp(static_cast<int>(position), 0, last);
}

void DetailScroll::up(int pixels) {
    const float next = static_cast<float>(position_) - static_cast<float>(kRange * pixels) / span_;
    if (next > 0) {
        offset_ = std::max(offset_ - pixels, 0);
    } else {
        offset_ = 0;
    }
    position_ = clampPosition(next);
}

void DetailScroll::down(int pixels, bool moves) {
    if (moves) offset_ = std::min(offset_ + pixels, span_);
    position_ =
        clampPosition(static_cast<float>(position_) + static_cast<float>(kRange * pixels) / span_);
}

void DetailScroll::thumb(int position) {
    position_ = clampPosition(static_cast<float>(position));
    offset_ = static_cast<int>(static_cast<float>(position_) * span_ / kRange);
}

}  // namespace app
