#pragma once

#include "platform/ui/Geometry.h"

#include <optional>

namespace app {

// Pixel layout of the forecast city lists: rows of 60 pixels below the top
// margin, the header line, the selection bar, the scroll bar and the progress
// strip. Row positions are in list-picture co-ordinates; the selection bar and
// the pen are in screen co-ordinates (list co-ordinates less the scroll offset).
class CityListGeometry final {
public:
    using Rect = platform::ui::Rect;
    struct Point {
        int x = 0;
        int y = 0;
        friend constexpr bool operator==(const Point&, const Point&) = default;
    };

    static constexpr int kRowHeight = 60;
    static constexpr int kScrollBarWidth = 13;

    CityListGeometry(int width, int height, int top, int rowCount);

    int width() const { return width_; }
    int height() const { return height_; }
    int top() const { return top_; }
    int rowCount() const { return rowCount_; }

    // The whole list picture: as high as the client area, or taller when the rows need it.
    int listPictureHeight() const;
    bool scrollBarShown() const { return listPictureHeight() > height_; }
    // Largest scroll offset that still fills the client area from the list picture.
    int maxScrollOffset() const { return listPictureHeight() - height_; }

    Rect headerRect() const;
    Rect rowPictureRect(int row) const;
    Point nameOrigin(int row) const;
    Point weatherOrigin(int row) const;
    Rect selectionRect(int row, int scrollOffset) const;
    // The rectangle a pen press on a row remembers (screen co-ordinates).
    Rect rowHitRect(int row, int scrollOffset) const;
    // The row under a screen point, if any.
    std::optional<int> rowAt(Point point, int scrollOffset) const;
    Rect scrollBarRect() const;

    Rect progressStrip() const;
    Point progressOrigin(bool singleCity) const;

private:
    int width_;
    int height_;
    int top_;
    int rowCount_;
};

}  // namespace app
