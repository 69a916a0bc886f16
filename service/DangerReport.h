#pragma once

// The day's danger report of Sichuan: rows of place, time and details, made from
// the date. Some days have no rows.

#include <string>
#include <vector>

#include "service/CityTable.h"
#include "service/LocalTime.h"

namespace service {

struct DangerRow {
    std::string place;
    std::string time;
    std::string details;
};

class DangerReport final {
public:
    explicit DangerReport(const CityTable& cities);

    std::vector<DangerRow> rows(const LocalTime& now) const;

    // Stamp, section separator, "place*time*details$" rows.
    std::string reply(const LocalTime& now) const;

private:
    std::vector<std::string> places_;
};

}  // namespace service
