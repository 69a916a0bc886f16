#pragma once

// A deterministic feed of warnings: at fixed minutes of every day it issues one
// warning made from the date, so any moment's feed can be predicted. The reply
// holds the warnings issued in the last two days that the client does not hold
// yet, newest first; only the feed's newest warning carries the home-screen
// flag "1".

#include <string>
#include <vector>

#include "service/CityTable.h"
#include "service/LocalTime.h"
#include "service/Warning.h"

namespace service {

class WarningFeed final {
public:
    enum class Kind { Disaster, Fire };

    static constexpr int kCurrentDays = 2;

    WarningFeed(Kind kind, const CityTable& cities);

    // Issued in the `days` days up to now, newest first.
    std::vector<Warning> issued(const LocalTime& now, int days = kCurrentDays) const;

    std::string reply(const std::vector<std::string>& knownIds, const LocalTime& now) const;

private:
    struct Slot {
        int hour;
        int minute;
    };

    Warning make(const LocalTime& issuedAt, int slot) const;
    Warning makeDisaster(const LocalTime& issuedAt, const std::string& id, class Random& random,
                         const std::string& place) const;
    Warning makeFire(const LocalTime& issuedAt, const std::string& id, class Random& random,
                     const std::string& place) const;

    Kind kind_;
    const CityTable& cities_;
    std::vector<Slot> slots_;
};

}  // namespace service
