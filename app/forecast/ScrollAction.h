#pragma once

// A scroll bar's action applied to a screen's scroll position (list or
// detail): a line, a page or the thumb dragged to a place.

#include <QAbstractSlider>

namespace app {

// False when the action moves nothing.
template <class Scroll>
bool applyScrollAction(Scroll& scroll, int action, int sliderPosition) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            scroll.lineDown();
            return true;
        case QAbstractSlider::SliderSingleStepSub:
            scroll.lineUp();
            return true;
        case QAbstractSlider::SliderPageStepAdd:
            scroll.pageDown();
            return true;
        case QAbstractSlider::SliderPageStepSub:
            scroll.pageUp();
            return true;
        case QAbstractSlider::SliderMove:
            scroll.thumb(sliderPosition);
            return true;
        default:
            return false;
    }
}

}  // namespace app
