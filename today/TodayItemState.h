#pragma once

// Everything the item keeps between messages, one instance per loaded item.

#include <optional>
#include <string>

#include "platform/today/TodayCanvas.h"
#include "today/TodayDisplay.h"
#include "today/TodaySchedule.h"

namespace today {

struct TodayItemState {
    int lineHeight = 0;  // fixed at the first height query
    int clientWidth = 0;
    int clientHeight = 0;
    platform::today::TodayBitmap memoryPicture;  // background and the three-day part
    int paintedWidth = 0;                        // 0 forces a new rendering
    bool selected = false;
    TodayDisplay display;
    std::u16string lastUpdateStamp;
    std::u16string alertText;
    bool alertPresent = false;
    TodaySchedule schedule;                    // update-time setting and run guards
    std::optional<std::u16string> clientCode;  // loaded once
};

}  // namespace today
