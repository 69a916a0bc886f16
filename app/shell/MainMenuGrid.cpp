#include "app/shell/MainMenuGrid.h"

#include <algorithm>

namespace app {

MainMenuGrid::MainMenuGrid(int clientWidth, int topMargin)
    : columns_(std::max(1, clientWidth / kCell)), top_(topMargin) {}

platform::ui::Rect MainMenuGrid::cell(int index) const {
    const int row = index / columns_;
    const int col = index % columns_;
    const int left = kCell * col;
    const int top = top_ + kCell * row;
    return {left, top, left + kCell, top + kCell};
}

platform::ui::Rect MainMenuGrid::pictureSquare(int index) const {
    const auto c = cell(index);
    return {c.left + 16, c.top + 16, c.left + 64, c.top + 64};
}

int MainMenuGrid::itemAt(int x, int y) const {
    for (int i = 0; i < kItems; ++i) {
        if (pictureSquare(i).contains(x, y)) return i;
    }
    return -1;
}

// A wrap that lands past the last item takes the index one row above. In the
// first row there is no row above (a display wide enough for every item in
// one row): Left then takes the last item and Right the first.
int MainMenuGrid::left(int index) const {
    const int row = index / columns_;
    const int col = index % columns_;
    int next = row * columns_ + (col == 0 ? columns_ - 1 : col - 1);
    if (next >= kItems) next = row > 0 ? next - columns_ : kItems - 1;
    return next;
}

int MainMenuGrid::right(int index) const {
    const int row = index / columns_;
    const int col = index % columns_;
    int next = row * columns_ + (col + 1) % columns_;
    if (next >= kItems) next = row > 0 ? next - columns_ : 0;
    return next;
}

int MainMenuGrid::up(int index) const {
    return index - columns_ >= 0 ? index - columns_ : index;
}

int MainMenuGrid::down(int index) const {
    return index + columns_ < kItems ? index + columns_ : index;
}

}  // namespace app
