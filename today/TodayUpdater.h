#pragma once

// The item's scheduled updates: the forecasts of the whole three-day list and the new
// disaster and fire warnings, stored the way the application stores them.

#include <string>

#include "today/TodayFetch.h"
#include "today/TodayStore.h"

namespace today {

class TodayUpdater final {
public:
    TodayUpdater(const TodayStore& store, TodayFetch& fetch, ShowMessage showMessage)
        : store_(store), fetch_(fetch), showMessage_(std::move(showMessage)) {}

    // True when a reply was stored; a failed store is told.
    bool updateForecast(const std::u16string& clientCode);
    // True when a reply was read and its new warnings added. Quiet when the
    // read fails; a failed store is told, as every failed store is.
    bool updateWarnings(store::WarningKind kind, const std::u16string& clientCode);

private:
    const TodayStore& store_;
    TodayFetch& fetch_;
    ShowMessage showMessage_;
};

}  // namespace today
