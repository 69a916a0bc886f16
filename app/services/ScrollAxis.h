#pragma once

// One scroll direction of a view onto a larger picture: a pixel offset into
// the picture and a scroll-bar position on a 0..100 range, moved by the bar's
// line and page requests and by the screen's keys. The offset never leaves
// the picture: a view taller than its content stays at 0. The position stays
// within the bar's track (0 to range - page + 1).

namespace services {

class ScrollAxis final {
public:
    static constexpr int kRange = 100;

    // lineStep, pageStep: pixels per line and page request (pageStep 0: the
    // view size); bottomGap: pixels left unshown below the content at the end.
    ScrollAxis(int lineStep, int pageStep, int bottomGap);

    // New content and view sizes and the bar's page; back to the top. lead:
    // pixels of the picture above the content (a text's top margin), which the
    // bottom offset takes into account so that the content's end is shown.
    void reset(int content, int view, int page, int lead = 0);

    int offset() const { return offset_; }
    int position() const { return position_; }
    int page() const { return page_; }
    int bottom() const;

    // Scroll-bar requests (SB_* codes); thumb is used by the thumb requests.
    void scrollBar(int request, int thumb);

    // The text screens' Up and Down keys. True when the move shows at once;
    // at an end the offset and position are set for the next paint.
    bool keyUp(int step);
    bool keyDown(int step);

private:
    int steps(int pixels) const;  // pixels as bar positions
    void setPosition(int position);

    int lineStep_;
    int pageStep_;
    int bottomGap_;
    int content_ = 1;
    int lead_ = 0;
    int view_ = 0;
    int page_ = kRange;
    int offset_ = 0;
    int position_ = 0;
};

}  // namespace services
