#pragma once

// Selection, keys and taps of the professional services grid: cells of 80 x 80
// pixels below the top margin, as many columns as fit the width, the icon in
// the 48 x 48 square 16 pixels into its cell.

#include <optional>

#include "platform/ui/Geometry.h"

namespace services {

class ServiceGrid final {
public:
    static constexpr int kCell = 80;
    static constexpr platform::ui::Rect kIconInCell{16, 16, 64, 64};

    ServiceGrid(int entries, int width, int topMargin);

    void setWidth(int width);
    int columns() const { return columns_; }
    int selected() const { return selected_; }

    platform::ui::Rect cellRect(int index) const;
    platform::ui::Rect iconRect(int index) const;

    // Each returns whether the screen has to repaint.
    bool down();
    bool up();
    bool right();
    bool left();

    // A press on an icon selects it (true: repaint); the release opens it when
    // it ends on the icon it started on.
    bool tapDown(int x, int y);
    std::optional<int> tapUp(int x, int y);

private:
    int indexAt(int x, int y) const;  // -1 off every icon

    int entries_;
    int topMargin_;
    int columns_ = 1;
    int selected_ = 0;
    std::optional<platform::ui::Rect> pressed_;
};

}  // namespace services
