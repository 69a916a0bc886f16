#pragma once

// Stores an on-demand reply. Its blocks are matched to the listed cities by the
// code that leads each block, not by position, because the request only names
// the cities that still hold a request token; "-2" marks a token the service
// has answered before and is skipped.

#include <string_view>
#include <vector>

#include "app/forecast/CityListModel.h"

namespace app {

class DemandReplyStore final {
public:
    struct Result {
        std::vector<std::u16string> stored;  // names of the cities stored
        bool complete = true;                // false when a write failed
    };

    // Writes the stamp, then every block of a listed city, clearing that city's
    // token. Nothing is written when the stamp cannot be; storing stops at the
    // first failed write.
    [[nodiscard]] static Result store(std::u16string_view reply, CityListModel& model);
};

}  // namespace app
