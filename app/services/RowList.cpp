#include "app/services/RowList.h"

#include <algorithm>

namespace services {

RowList::RowList(int topMargin, int minRowsToMove)
    : topMargin_(topMargin), minRowsToMove_(std::max(1, minRowsToMove)) {}

void RowList::setCount(int count) {
    count_ = std::clamp(count, 0, kMaxRows);
    row_ = std::clamp(row_, 0, std::max(0, count_ - 1));
}

void RowList::select(int row) {
    row_ = std::clamp(row, 0, std::max(0, count_ - 1));
}

void RowList::selectedRowDeleted() {
    if (row_ == count_ - 1) row_ = std::max(0, row_ - 1);
}

bool RowList::up() {
    if (count_ < minRowsToMove_) return false;
    row_ = row_ > 0 ? row_ - 1 : count_ - 1;
    return true;
}

bool RowList::down() {
    if (count_ < minRowsToMove_) return false;
    row_ = (row_ + 1) % count_;
    return true;
}

bool RowList::tapDown(int, int y, int pressWidth) {
    if (pressed_ || y < topMargin_ || y > topMargin_ + count_ * kRowHeight) return false;
    const int inRow = (y - topMargin_) % kRowHeight;
    if (inRow < kTapSlack) return false;
    const int row = (y - topMargin_) / kRowHeight;
    const int top = topMargin_ + row * kRowHeight;
    pressed_ = platform::ui::Rect{0, top + kTapSlack, pressWidth, top + kRowHeight};
    row_ = row;
    return true;
}

bool RowList::tapUp(int x, int y) {
    const bool open = pressed_ && pressed_->contains(x, y);
    pressed_.reset();
    return open;
}

int RowList::barTop(int row, int charHeight) const {
    return topMargin_ + row * kRowHeight - (25 - charHeight) / 2 + 10;
}

}  // namespace services
