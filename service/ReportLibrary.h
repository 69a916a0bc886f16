#pragma once

// The periodic reports: monthly (type 1), ten-day (type 2) and quarterly (type 3).
// Every period has one report whose ID is made from the type and the period, so
// IDs stay the same across requests and days; the newest reports are listed.

#include <optional>
#include <string>
#include <vector>

#include "service/CityTable.h"
#include "service/LocalTime.h"

namespace service {

struct Report {
    std::string id;
    std::string title;
    std::string text;  // paragraphs separated by line feeds
};

class ReportLibrary final {
public:
    static constexpr int kListed = 6;

    explicit ReportLibrary(const CityTable& cities);

    // Newest first.
    std::vector<Report> list(int type, const LocalTime& now) const;

    // The report of a listed or past period; nothing for an unknown or future ID.
    std::optional<Report> find(const std::string& id, const LocalTime& now) const;

    // Stamp, section separator, "ID*Title*" items separated by "$" with no "$"
    // after the last one (the client appends it before splitting).
    std::string titleReply(int type, const LocalTime& now) const;

    // Stamp, section separator, "ID*Title*Text"; the stamp alone for an unknown ID.
    std::string textReply(const std::string& id, const LocalTime& now) const;

private:
    long long currentPeriod(int type, const LocalTime& now) const;
    Report make(int type, long long period) const;

    const CityTable& cities_;
};

}  // namespace service
