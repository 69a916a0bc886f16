#pragma once

namespace app {

// Vertical scrolling of a forecast city list: the scroll bar runs from 0 to 100,
// a line moves one row (60 pixels), a page 200 pixels, and a dragged thumb maps
// its position onto the height of all rows. The offset never leaves
// [0, maxOffset], where maxOffset is the part of the list picture below the screen.
class ListScroll final {
public:
    static constexpr int kRange = 100;
    static constexpr int kLine = 60;
    static constexpr int kPage = 200;

    void setExtent(int rowCount, int maxOffset);

    void lineUp() { moveBy(-kLine); }
    void lineDown() { moveBy(kLine); }
    void pageUp() { moveBy(-kPage); }
    void pageDown() { moveBy(kPage); }
    void thumb(int position);

    int offset() const { return offset_; }
    int position() const;

private:
    void moveBy(int delta);

    int rowsHeight_ = 0;
    int maxOffset_ = 0;
    int offset_ = 0;
};

}  // namespace app
