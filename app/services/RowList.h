#pragma once

// Selection, keys and taps of the warning and report lists: at most five rows
// of 30 pixels below the top margin; Up and Down wrap around.

#include <optional>

#include "platform/ui/Geometry.h"

namespace services {

class RowList final {
public:
    static constexpr int kMaxRows = 5;
    static constexpr int kRowHeight = 30;
    // The first pixels of a row belong to the gap above its text.
    static constexpr int kTapSlack = 5;

    // minRowsToMove: the reports move the selection only with two rows shown.
    RowList(int topMargin, int minRowsToMove);

    void setTopMargin(int topMargin) { topMargin_ = topMargin; }
    // A new count keeps the row when it is still shown, else the last row.
    void setCount(int count);
    void select(int row);
    // The selected row was deleted: when it was the last row shown, the
    // selection moves up one row (not above the first). Rows that slide up
    // from beyond the fifth do not keep it down there.
    void selectedRowDeleted();

    int count() const { return count_; }
    int row() const { return row_; }

    // Whether the screen has to repaint.
    bool up();
    bool down();

    // A press on a row selects it (true: repaint). The release opens the row
    // when it ends in the row pressed (true).
    bool tapDown(int x, int y, int pressWidth);
    bool tapUp(int x, int y);

    // The row's text origin and the selection bar's top, for a font whose
    // characters are charHeight pixels high.
    int textTop(int row) const { return topMargin_ + row * kRowHeight + 10; }
    int barTop(int row, int charHeight) const;

private:
    int topMargin_;
    int minRowsToMove_;
    int count_ = 0;
    int row_ = 0;
    std::optional<platform::ui::Rect> pressed_;
};

}  // namespace services
