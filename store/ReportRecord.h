#pragma once

#include <string>

namespace store {

// A ten-day, monthly or quarterly report; the text stays empty until fetched.
struct ReportRecord {
    std::u16string id;
    std::u16string title;
    std::u16string text;
    std::u16string updateTime;

    bool operator==(const ReportRecord&) const = default;
};

}  // namespace store
