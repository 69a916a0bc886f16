#pragma once

// Reads a warning reply into the records the item stores: section 0 is the reply's
// time, every further section holds "$"-terminated items of "|"-separated fields
// (ID, Today flag, title, text). A field an item lacks keeps the previous item's value.

#include <string>
#include <vector>

#include "store/WarningRecord.h"

namespace today {

struct TodayWarningReply {
    std::u16string updateTime;
    std::vector<store::WarningRecord> warnings;  // update time already filled in

    static TodayWarningReply parse(const std::u16string& reply);
};

}  // namespace today
