#pragma once

// The three forecast replies: the update stamp, the section separator, then one
// "$"-terminated block per requested place in request order. An unknown code
// gets an empty block so that the blocks still line up with the request.

#include <string>
#include <vector>

#include "service/CityTable.h"
#include "service/LocalTime.h"
#include "service/TokenMemory.h"

namespace service {

struct OnDemandPair {
    std::string code;
    std::string token;
    bool wellFormed = false;
};

class ForecastReplies final {
public:
    ForecastReplies(const CityTable& cities, TokenMemory& tokens);

    std::string threeDay(const std::vector<std::string>& codes, const LocalTime& now) const;
    std::string weekly(const std::vector<std::string>& codes, const LocalTime& now) const;

    // Each new token is answered once with three days whose tag is the place's
    // code; a token answered before, or a malformed pair, gets the block "-2".
    std::string onDemand(const std::vector<OnDemandPair>& pairs, const LocalTime& now) const;

    // The slots of one place joined by the slot separator, without terminator.
    std::string block(const City& city, const std::string& tag, int days,
                      const LocalTime& now) const;

private:
    std::string forDays(const std::vector<std::string>& codes, int days,
                        const LocalTime& now) const;

    const CityTable& cities_;
    TokenMemory& tokens_;
};

}  // namespace service
