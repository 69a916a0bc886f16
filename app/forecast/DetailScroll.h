#pragma once

namespace app {

// Vertical scrolling of a detail screen. The scroll bar's range 0..M stands for
// `span` pixels of picture; positions step by M*10/span (line) and M*20/span
// (page) in single precision, truncated, while the picture moves by 10 or 20
// pixels. The bar is shown only when the page is smaller than the range.
class DetailScroll final {
public:
    static constexpr int kRange = 100;

    explicit DetailScroll(int span) : span_(span) {}

    // Size change: back to the top, new page size.
    void resize(int clientHeight);

    void lineUp() { up(10); }
    void pageUp() { up(20); }
    void lineDown() { down(10, position_ + 1 < kRange - page_); }
    void pageDown() { down(20, position_ < kRange - page_); }
    void thumb(int position);

    bool barShown() const { return page_ < kRange; }
    int page() const { return page_; }
    int position() const { return position_; }
    int offset() const { return offset_; }
    int span() const { return span_; }

private:
    void up(int pixels);
    void down(int pixels, bool moves);
    int clampPosition(float position) const;

    int span_;
    int page_ = kRange;
    int position_ = 0;
    int offset_ = 0;
};

}  // namespace app
