#pragma once

// The reply of the disaster and fire warning services, read by the application
// and by the home-screen item alike:
// "time`id|flag|title|text$id|flag|title|text$`...".

#include <string>
#include <string_view>
#include <vector>

#include "store/WarningRecord.h"
#include "weather/ReplyStatus.h"

namespace store {

struct WarningReply {
    weather::ReplyStatus status = weather::ReplyStatus::Ok;
    // The reply's time stamp (section 0).
    std::u16string updateTime;
    // Every group's warnings in reply order, each with the reply's time stamp
    // as its update time (unread).
    std::vector<WarningRecord> items;
};

// A field an item lacks repeats the previous item's value (the service leaves
// out what did not change); the second field doubles as the title when the
// third is missing. Items without an ID are skipped: they could never be
// reported back to the service and would break the next request.
WarningReply parseWarnings(std::u16string_view reply);

}  // namespace store
