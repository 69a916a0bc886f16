#pragma once

// The values the forecast screens share for the life of the process: which
// level of the region tree the choosers offer, the token of the on-demand
// request being made and the city its query found last, and the pause after
// each stored city of an update.

#include <chrono>
#include <string>

namespace app {

struct ForecastSession {
    // "2" when the user asked to add a city, "3" for a scenic spot.
    std::u16string wantedLevel = u"2";
    std::u16string demandToken;
    std::u16string demandLastFound;
    // Long enough to read the name of each stored city on the progress strip.
    std::chrono::milliseconds storePause{800};

    static ForecastSession& instance();
};

}  // namespace app
