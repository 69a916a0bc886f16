#include "app/forecast/ListScroll.h"

#include <algorithm>

namespace app {

void ListScroll::setExtent(int rowCount, int maxOffset) {
    rowsHeight_ = std::max(rowCount, 0) * kLine;
    maxOffset_ = std::max(maxOffset, 0);
    offset_ = std::clamp(offset_, 0, maxOffset_);
}

void ListScroll::moveBy(int delta) {
    offset_ = std::clamp(offset_ + delta, 0, maxOffset_);
}

void ListScroll::thumb(int position) {
    const int p = std::clamp(position, 0, kRange);
    offset_ = std::clamp(p * rowsHeight_ / kRange, 0, maxOffset_);
}

int ListScroll::position() const {
    if (rowsHeight_ == 0) return 0;
    return std::min(offset_ * kRange / rowsHeight_, kRange);
}

}  // namespace app
