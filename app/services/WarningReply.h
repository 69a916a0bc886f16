#pragma once

// The reply of the disaster and fire warning services:
// "time`id|flag|title|text$id|flag|title|text$`...".

#include <string>
#include <string_view>
#include <vector>

#include "app/services/ReplyStatus.h"

namespace services {

struct WarningItem {
    std::u16string id;
    std::u16string todayFlag;
    std::u16string title;
    std::u16string text;
    std::u16string updateTime;  // the reply's time stamp; non-empty = unread
    bool operator==(const WarningItem&) const = default;
};

struct WarningReply {
    ReplyStatus status = ReplyStatus::Ok;
    std::vector<WarningItem> items;  // every group's items, in reply order
};

// A field an item lacks repeats the previous item's value (the service leaves
// out what did not change); the second field doubles as the title when the
// third is missing. Items without an ID are skipped: they could never be
// reported back to the service and would break the next request.
WarningReply parseWarnings(std::u16string_view reply);

}  // namespace services
