#pragma once

// The platform scroll request (SB_LINEUP, ...) that a scroll bar's action
// stands for, so screens handle the bar and the keys with one routine.

#include <QAbstractSlider>

#include "platform/ui/WinDefs.h"

namespace services {

// -1 for actions that are no scroll request.
inline int sliderRequest(int action) {
    using namespace platform::ui;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return SB_LINEUP;
        case QAbstractSlider::SliderSingleStepAdd:
            return SB_LINEDOWN;
        case QAbstractSlider::SliderPageStepSub:
            return SB_PAGEUP;
        case QAbstractSlider::SliderPageStepAdd:
            return SB_PAGEDOWN;
        case QAbstractSlider::SliderMove:
            return SB_THUMBTRACK;
        default:
            return -1;
    }
}

}  // namespace services
