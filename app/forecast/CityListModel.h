#pragma once

// The state of a forecast city list screen apart from its drawing: the user's
// cities as stored, the display rows, the selection, the stored update stamp and
// a pending single-city fetch. Every change goes to the store first; the rows
// follow the store.

#include <optional>
#include <string>
#include <vector>

#include "app/forecast/ForecastListKind.h"
#include "store/CityListStore.h"
#include "store/CityRowList.h"
#include "store/UpdateStampStore.h"
#include "store/UserCityRecord.h"
#include "store/Volumes.h"

namespace app {

class CityListModel final {
public:
    CityListModel(const ForecastListKind& kind, const store::Volumes& volumes);

    const ForecastListKind& kind() const { return kind_; }
    const store::CityListStore& cityStore() const { return cities_; }
    const store::UpdateStampStore& stampStore() const { return stamps_; }

    // Reads the user's list anew and appends a placeholder row for every city
    // not shown yet. With `fetchNew`, the newest such city becomes the pending
    // single-city fetch and the rows are refilled from the forecast store.
    void reload(bool fetchNew);
    // Refreshes the rows and the stamp text from the forecast store.
    void fillRows();
    // True once after a read of the list or of the forecasts failed; the rows
    // read before stay as they were.
    bool takeReadFailure();

    const std::vector<store::UserCityRecord>& cities() const { return cityList_; }
    const store::CityRowList& rows() const { return rows_; }
    const std::optional<std::u16string>& stampText() const { return stamp_; }
    bool empty() const { return rows_.empty(); }

    int selection() const { return selection_; }
    void select(int row);
    void selectPrevious();
    void selectNext();
    std::optional<std::u16string> selectedName() const;

    bool hasPendingFetch() const { return pending_.has_value(); }
    // The city to fetch on the next paint, taken once.
    std::optional<store::UserCityRecord> takePendingFetch();

    // Removes the selected city from the list and its stored forecast, in one
    // store operation. False when the store could not be written (nothing is
    // removed then); true also when no city is selected.
    [[nodiscard]] bool removeSelected();
    // Drops the display row of a city (the list itself is not touched).
    void removeRow(std::u16string_view cityName);

    enum class DefaultResult { Unchanged, Done, RowNotMoved, StoreFailed };
    // Makes the selected city the default (first) city.
    DefaultResult makeSelectedDefault();

    // Clears the request token of a fetched on-demand city, in the store and here.
    // False when the store could not be written.
    [[nodiscard]] bool clearToken(std::u16string_view cityName);

private:
    void clampSelection();

    const ForecastListKind& kind_;
    store::CityListStore cities_;
    store::UpdateStampStore stamps_;
    std::vector<store::UserCityRecord> cityList_;
    store::CityRowList rows_;
    std::optional<std::u16string> stamp_;
    int selection_ = 0;
    std::optional<store::UserCityRecord> pending_;
    bool readFailed_ = false;
};

// Which store list a screen kind keeps its cities in.
store::CityList storeList(ForecastList list);

}  // namespace app
