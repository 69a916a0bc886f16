#include "store/UpdateStampStore.h"

#include "store/Catalogue.h"
#include "store/CityListSchemas.h"
#include "store/TableAccessor.h"

namespace store {

namespace {

using Stamps = TableAccessor<CityUpdateRecord>;
constexpr unsigned kByName = catalogue::kUpdateByName;

weather::CityRef toCityRef(const UserCityRecord& city) {
    return {city.cityCode, city.cityName};
}

}  // namespace

UpdateStampStore::UpdateStampStore(Volumes volumes, CityList list)
    : volumes_(std::move(volumes)), list_(list) {}

std::optional<std::vector<CityUpdateRecord>> UpdateStampStore::list() const {
    return Stamps(volumes_, updateSchemaOf(list_)).list(kByName);
}

std::optional<CityUpdateRecord> UpdateStampStore::findByName(std::u16string_view cityName) const {
    return Stamps(volumes_, updateSchemaOf(list_)).find(kByName, cityName);
}

bool UpdateStampStore::addOrReplace(const CityUpdateRecord& record) const {
    return Stamps(volumes_, updateSchemaOf(list_)).addOrUpdate(record, kByName);
}

std::optional<std::u16string> UpdateStampStore::stamp() const {
    auto record = findByName(kStampCityName);
    if (!record) return std::nullopt;
    return record->days[0];
}

bool UpdateStampStore::storeUpdate(const weather::ForecastUpdate& update) const {
    const Stamps stamps(volumes_, updateSchemaOf(list_));
    VolumeSession session = stamps.session();
    CityUpdateRecord stampRecord{kStampCityId, kStampCityName, {}};
    stampRecord.days[0] = update.stamp;
    if (!stamps.addOrUpdate(session, stampRecord, kByName)) return false;
    for (const auto& city : update.cities) {
        const CityUpdateRecord record{city.code, city.name, city.days};
        if (!stamps.addOrUpdate(session, record, kByName)) return false;
    }
    return session.close();
}

bool UpdateStampStore::storeReply(std::u16string_view reply,
                                  std::span<const UserCityRecord> cities) const {
    std::vector<weather::CityRef> refs;
    refs.reserve(cities.size());
    for (const auto& city : cities) refs.push_back(toCityRef(city));
    return storeUpdate(weather::parseForecastReply(reply, refs));
}

bool UpdateStampStore::storeSingleCityReply(std::u16string_view reply,
                                            const UserCityRecord& city) const {
    return storeUpdate(weather::parseSingleCityReply(reply, toCityRef(city)));
}

}  // namespace store
