#include "app/services/ServiceGrid.h"

#include <algorithm>

namespace services {

using platform::ui::Rect;

ServiceGrid::ServiceGrid(int entries, int width, int topMargin)
    : entries_(entries), topMargin_(topMargin) {
    setWidth(width);
}

void ServiceGrid::setWidth(int width) {
    columns_ = std::max(1, width / kCell);
}

Rect ServiceGrid::cellRect(int index) const {
    const int x = (index % columns_) * kCell;
    const int y = topMargin_ + (index / columns_) * kCell;
    return {x, y, x + kCell, y + kCell};
}

Rect ServiceGrid::iconRect(int index) const {
    const Rect cell = cellRect(index);
    return kIconInCell.offset(cell.left, cell.top);
}

bool ServiceGrid::down() {
    const int k = columns_;
    if (selected_ + k < entries_)
        selected_ += k;
    else if (selected_ == entries_ - 1 && entries_ % k != 0)
        selected_ = 0;
    return true;
}

bool ServiceGrid::up() {
    const int k = columns_;
    if (selected_ - k >= 0) {
        selected_ -= k;
        return true;
    }
    if (selected_ == 0 && entries_ % k != 0) {
        selected_ = entries_ - 1;
        return true;
    }
    return false;
}

// Right and Left wrap within the row; a wrap onto an empty cell of the last
// row takes the cell above it, and in a one-row grid (no row above) it skips
// the empty cells instead.
bool ServiceGrid::right() {
    const int k = columns_;
    const int rowStart = k * (selected_ / k);
    int s = rowStart + (selected_ % k + 1) % k;
    if (s >= entries_) s = s - k >= 0 ? s - k : rowStart;
    selected_ = s;
    return true;
}

bool ServiceGrid::left() {
    const int k = columns_;
    int s = k * (selected_ / k + 1) - ((k - 1) * selected_) % k - 1;
    if (s >= entries_) s = s - k >= 0 ? s - k : entries_ - 1;
    selected_ = s;
    return true;
}

int ServiceGrid::indexAt(int x, int y) const {
    if (x < 0 || y < topMargin_) return -1;
    const int column = x / kCell;
    if (column >= columns_) return -1;
    if (!kIconInCell.contains(x % kCell, (y - topMargin_) % kCell)) return -1;
    const int index = column + columns_ * ((y - topMargin_) / kCell);
    return index < entries_ ? index : -1;
}

bool ServiceGrid::tapDown(int x, int y) {
    const int index = indexAt(x, y);
    if (index < 0) return false;
    pressed_ = iconRect(index);
    selected_ = index;
    return true;
}

std::optional<int> ServiceGrid::tapUp(int x, int y) {
    std::optional<int> open;
    if (pressed_ && pressed_->contains(x, y)) {
        selected_ = indexAt(x, y);
        open = selected_;
    }
    pressed_.reset();
    return open;
}

}  // namespace services
