#include "app/services/ScrollAxis.h"

#include <algorithm>

#include "platform/ui/WinDefs.h"

namespace services {

using namespace platform::ui;

ScrollAxis::ScrollAxis(int lineStep, int pageStep, int bottomGap)
    : lineStep_(lineStep), pageStep_(pageStep), bottomGap_(bottomGap) {}

void ScrollAxis::reset(int content, int view, int page, int lead) {
    content_ = std::max(1, content);
    lead_ = std::max(0, lead);
    view_ = std::max(0, view);
    page_ = std::clamp(page, 0, kRange + 1);
    offset_ = 0;
    position_ = 0;
}

int ScrollAxis::bottom() const {
    return std::max(0, lead_ + content_ - view_ - bottomGap_);
}

int ScrollAxis::steps(int pixels) const {
    return pixels * kRange / content_;
}

// As a scroll bar keeps its thumb inside the track: the largest position
// leaves one page to the end of the range.
void ScrollAxis::setPosition(int position) {
    position_ = std::clamp(position, 0, std::max(0, kRange - std::max(page_, 1) + 1));
}

void ScrollAxis::scrollBar(int request, int thumb) {
    const int page = pageStep_ > 0 ? pageStep_ : view_;
    int offset = offset_;
    int position = position_;
    switch (request) {
        case SB_LINEUP:
            position -= steps(lineStep_);
            if (position > 0) offset -= lineStep_;
            break;
        case SB_LINEDOWN:
            if (position + 1 < kRange - page_) offset += lineStep_;
            position += steps(lineStep_);
            break;
        case SB_PAGEUP:
            position -= steps(page);
            if (position > 0) offset -= page;
            break;
        case SB_PAGEDOWN:
            if (position < kRange - page_) offset += page;
            position += steps(page);
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            position = thumb;
            offset = content_ * thumb / kRange;
            break;
        default:
            return;
    }
    if (offset > bottom() || page_ + position >= kRange)
        offset = bottom();
    else if (offset < 0 || position <= 0)
        offset = 0;
    offset_ = offset;
    setPosition(position);
}

bool ScrollAxis::keyUp(int step) {
    if (offset_ > 0) {
        offset_ = std::max(0, offset_ - step);
        setPosition(position_ - steps(step));
        return true;
    }
    offset_ = 0;
    position_ = 0;
    return false;
}

bool ScrollAxis::keyDown(int step) {
    if (offset_ < content_ - view_) {
        offset_ += step;
        setPosition(position_ + steps(step));
        return true;
    }
    offset_ = bottom();
    setPosition(kRange);
    return false;
}

}  // namespace services
