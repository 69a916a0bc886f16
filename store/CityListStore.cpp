#include "store/CityListStore.h"

#include <algorithm>

#include "store/Catalogue.h"
#include "store/CityListSchemas.h"
#include "store/TableAccessor.h"

namespace store {

namespace {

using Cities = TableAccessor<UserCityRecord>;

// The three lists keep the name, default-flag and (three-day) Today-flag orders
// at the same positions.
constexpr unsigned kByName = catalogue::kThreeDayByName;
constexpr unsigned kByDefault = catalogue::kThreeDayByDefault;
static_assert(kByName == catalogue::kCityListByName && kByDefault == catalogue::kCityListByDefault);

}  // namespace

CityListStore::CityListStore(Volumes volumes, CityList list)
    : volumes_(std::move(volumes)), list_(list) {}

std::optional<std::vector<UserCityRecord>> CityListStore::listByDefault() const {
    return Cities(volumes_, citySchemaOf(list_)).list(kByDefault);
}

std::optional<std::vector<UserCityRecord>> CityListStore::listByToday() const {
    if (list_ != CityList::ThreeDay) return std::nullopt;  // only this list has the order
    return Cities(volumes_, citySchemaOf(list_)).list(catalogue::kThreeDayByToday);
}

std::optional<UserCityRecord> CityListStore::findByName(std::u16string_view name) const {
    return Cities(volumes_, citySchemaOf(list_)).find(kByName, name);
}

std::optional<UserCityRecord> CityListStore::findByTodayFlag(std::u16string_view flag) const {
    if (list_ != CityList::ThreeDay) return std::nullopt;
    return Cities(volumes_, citySchemaOf(list_)).find(catalogue::kThreeDayByToday, flag);
}

bool CityListStore::add(const UserCityRecord& city) const {
    return Cities(volumes_, citySchemaOf(list_)).add(city);
}

bool CityListStore::updateByName(std::u16string_view name, const UserCityRecord& city) const {
    return Cities(volumes_, citySchemaOf(list_)).update(kByName, name, city);
}

bool CityListStore::makeDefault(std::u16string_view name) const {
    const Cities cities(volumes_, citySchemaOf(list_));
    // Both flags change in one mount, so no reader sees two defaults or none.
    VolumeSession session = cities.session();
    if (!session.mounted()) return false;
    auto all = cities.list(session, kByDefault);
    if (!all) return false;
    if (!all->empty() && all->front().cityName == name) return session.close();
    auto chosen = cities.find(session, kByName, name);
    if (!chosen) return false;
    chosen->defaultFlag = u"1";
    if (!cities.update(session, kByName, name, *chosen)) return false;
    if (!all->empty()) {
        UserCityRecord former = all->front();
        former.defaultFlag = u"0";
        if (!cities.update(session, kByName, former.cityName, former)) return false;
    }
    return session.close();
}

bool CityListStore::moveTodayFlag(std::u16string_view name) const {
    if (list_ != CityList::ThreeDay) return false;
    const Cities cities(volumes_, citySchemaOf(list_));
    // One mount: another process sees the flag on the old city or on the new
    // one, never on both or on none, and a failed write changes nothing.
    VolumeSession session = cities.session();
    auto all = cities.list(session, kByName);
    if (!all) return false;
    const bool listed = std::any_of(all->begin(), all->end(),
                                    [&](const auto& city) { return city.cityName == name; });
    if (!listed) return session.close();  // nothing to move
    for (auto& city : *all) {
        const bool chosen = city.cityName == name;
        if (chosen ? city.todayFlag == u"1" : city.todayFlag != u"1") continue;
        city.todayFlag = chosen ? u"1" : u"0";
        if (!cities.update(session, kByName, city.cityName, city)) return false;
    }
    return session.close();
}

bool CityListStore::removeWithStamp(std::u16string_view name) const {
    const Cities cities(volumes_, citySchemaOf(list_));
    const TableAccessor<CityUpdateRecord> stamps(volumes_, updateSchemaOf(list_));
    VolumeSession session = cities.session();
    if (!cities.remove(session, kByName, name)) return false;
    // A city never updated has no stamp record; that is no failure.
    if (!stamps.remove(session, catalogue::kUpdateByName, name) &&
        platform::propdb::lastError() != platform::propdb::kErrorNotFound)
        return false;
    return session.close();
}

}  // namespace store
