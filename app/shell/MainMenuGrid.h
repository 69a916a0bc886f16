#pragma once

// The geometry and key rules of the main menu's grid of nine items: 80 x 80
// cells, as many columns as fit the width, rows below the top margin.

#include "platform/ui/Geometry.h"

namespace app {

class MainMenuGrid final {
public:
    static constexpr int kItems = 9;
    static constexpr int kCell = 80;

    MainMenuGrid(int clientWidth, int topMargin);

    // At least one column, also on a display narrower than a cell.
    int columns() const { return columns_; }
    int rows() const { return (kItems + columns_ - 1) / columns_; }

    platform::ui::Rect cell(int index) const;
    // The 48 x 48 picture square (16, 16)-(64, 64) of the cell.
    platform::ui::Rect pictureSquare(int index) const;
    // The item whose picture square holds the point; -1 for none.
    int itemAt(int x, int y) const;

    // Key moves from `index`; each returns the new index (the same when the
    // key does not move).
    int left(int index) const;
    int right(int index) const;
    int up(int index) const;
    int down(int index) const;

private:
    int columns_;
    int top_;
};

}  // namespace app
