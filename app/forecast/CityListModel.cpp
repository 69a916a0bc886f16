#include "app/forecast/CityListModel.h"

#include <algorithm>
#include <utility>

#include "weather/DayRecord.h"

namespace app {
namespace {

// A listed city with a stored forecast shows today's picture, weather and temperature.
store::CityRow listRow(const std::u16string& cityName, std::u16string_view today) {
    const weather::DayRecord day(today);
    return store::CityRow{cityName, std::u16string(day.weatherPicture()), day.weatherText(),
                          day.listTemperature()};
}

}  // namespace

store::CityList storeList(ForecastList list) {
    switch (list) {
        case ForecastList::Weekly:
            return store::CityList::Weekly;
        case ForecastList::Demand:
            return store::CityList::OnDemand;
        case ForecastList::ThreeDay:
            break;
    }
    return store::CityList::ThreeDay;
}

CityListModel::CityListModel(const ForecastListKind& kind, const store::Volumes& volumes)
    : kind_(kind), cities_(volumes, storeList(kind.list)), stamps_(volumes, storeList(kind.list)) {}

void CityListModel::reload(bool fetchNew) {
    auto listed = cities_.listByDefault();
    if (!listed) {
        readFailed_ = true;
        return;
    }
    cityList_ = std::move(*listed);
    for (const auto& city : cityList_) {
        if (rows_.find(city.cityName) != nullptr) continue;
        rows_.append(store::CityRow{city.cityName, store::kNewRowIcon,
                                    std::u16string(kind_.noForecastText), u""});
        if (fetchNew) pending_ = city;
    }
    clampSelection();
    if (fetchNew) fillRows();
}

void CityListModel::fillRows() {
    const auto records = stamps_.list();
    if (!records) {
        readFailed_ = true;
        return;
    }
    for (const auto& record : *records) {
        if (record.cityName == store::kStampCityName) {
            stamp_ = record.days[0];
            continue;
        }
        if (rows_.find(record.cityName) == nullptr) continue;
        rows_.replace(record.cityName, listRow(record.cityName, record.days[0]));
    }
}

void CityListModel::clampSelection() {
    const int count = static_cast<int>(rows_.size());
    if (selection_ >= count) selection_ = std::max(count - 1, 0);
}

void CityListModel::select(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) selection_ = row;
}

void CityListModel::selectPrevious() {
    if (selection_ > 0) --selection_;
}

void CityListModel::selectNext() {
    if (selection_ + 1 < static_cast<int>(rows_.size())) ++selection_;
}

std::optional<std::u16string> CityListModel::selectedName() const {
    if (rows_.empty()) return std::nullopt;
    return rows_[static_cast<std::size_t>(selection_)].cityName;
}

bool CityListModel::takeReadFailure() {
    return std::exchange(readFailed_, false);
}

std::optional<store::UserCityRecord> CityListModel::takePendingFetch() {
    auto pending = std::move(pending_);
    pending_.reset();
    return pending;
}

bool CityListModel::removeSelected() {
    const auto name = selectedName();
    if (!name) return true;
    if (!cities_.removeWithStamp(*name)) return false;
    rows_.remove(*name);
    reload(false);
    return true;
}

void CityListModel::removeRow(std::u16string_view cityName) {
    rows_.remove(cityName);
    clampSelection();
}

CityListModel::DefaultResult CityListModel::makeSelectedDefault() {
    const auto name = selectedName();
    if (!name || selection_ == 0) return DefaultResult::Unchanged;
    if (!cities_.makeDefault(*name)) return DefaultResult::StoreFailed;
    const bool moved = rows_.moveToFront(*name);
    selection_ = 0;
    reload(false);
    return moved ? DefaultResult::Done : DefaultResult::RowNotMoved;
}

bool CityListModel::clearToken(std::u16string_view cityName) {
    for (auto& city : cityList_) {
        if (city.cityName != cityName) continue;
        auto cleared = city;
        cleared.defaultFlag.clear();
        if (!cities_.updateByName(cityName, cleared)) return false;
        city = std::move(cleared);
    }
    return true;
}

}  // namespace app
