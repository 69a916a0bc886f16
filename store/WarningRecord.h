#pragma once

#include <string>

namespace store {

// A disaster-weather or fire warning. A non-empty update time marks it unread.
struct WarningRecord {
    std::u16string id;
    std::u16string title;  // the key screens read, mark and remove by
    std::u16string text;
    std::u16string updateTime;
    std::u16string todayFlag;

    bool operator==(const WarningRecord&) const = default;
};

}  // namespace store
