#pragma once

// What tells the three forecast lists apart: their tables, request path, window
// caption, texts and detail layout. The list, detail and query screens are one
// implementation each, driven by one of these descriptions.

#include <array>
#include <string_view>

namespace app {

enum class ForecastList { ThreeDay, Weekly, Demand };

struct ForecastListKind {
    ForecastList list;
    // Caption of the list window; other screens find the list by it.
    std::u16string_view caption;
    // Request path up to the city codes.
    std::u16string_view requestPrefix;
    // Weather text of a listed city that has no stored forecast yet.
    std::u16string_view noForecastText;
    // Message when the selection bar picture cannot be loaded.
    std::u16string_view selectionBarFailure;
    // The list update draws the names of the stored cities from a second thread.
    bool progressThread;

    // Detail screen: rows below the index text, scroll span in pixels, the
    // face of the large city name, and the sample shown for a city never updated.
    int detailRows;
    int detailSpan;
    std::u16string_view detailNameFace;
    std::u16string_view sampleStamp;
    std::array<std::u16string_view, 7> sampleDays;

    static const ForecastListKind& threeDay();
    static const ForecastListKind& weekly();
    static const ForecastListKind& demand();
    static const ForecastListKind& of(ForecastList list);
};

}  // namespace app
