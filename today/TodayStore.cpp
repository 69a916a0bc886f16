#include "today/TodayStore.h"

#include "store/Catalogue.h"
#include "store/CityListStore.h"
#include "store/SettingRecord.h"
#include "store/SettingStore.h"
#include "store/TableAccessor.h"
#include "store/UpdateStampStore.h"

namespace today {
namespace {

// Title of the first warning flagged for the home screen.
std::optional<std::u16string> flaggedTitle(const std::vector<store::WarningRecord>& warnings) {
    for (const auto& warning : warnings) {
        if (warning.todayFlag == u"1") return warning.title;
    }
    return std::nullopt;
}

store::Volumes itemVolumes(store::Volumes volumes) {
    volumes.todayItem = true;
    return volumes;
}

}  // namespace

TodayStore::TodayStore() : TodayStore(store::Volumes::forDevice()) {}

TodayStore::TodayStore(store::Volumes volumes) : volumes_(itemVolumes(std::move(volumes))) {}

std::optional<std::u16string> TodayStore::updateStamp() const {
    return store::UpdateStampStore(volumes_, store::CityList::ThreeDay).stamp();
}

std::optional<std::u16string> TodayStore::desktopCity() const {
    const auto city =
        store::CityListStore(volumes_, store::CityList::ThreeDay).findByTodayFlag(u"1");
    if (!city) return std::nullopt;
    return city->cityName;
}

std::optional<std::array<std::u16string, 3>> TodayStore::cityDays(
    const std::u16string& name) const {
    const auto record =
        store::UpdateStampStore(volumes_, store::CityList::ThreeDay).findByName(name);
    if (!record) return std::nullopt;
    return std::array<std::u16string, 3>{record->days[0], record->days[1], record->days[2]};
}

std::optional<std::u16string> TodayStore::updateTimeSetting() const {
    const auto setting = store::SettingStore(volumes_).findByName(store::kUpdateTimesSettingName);
    if (!setting) return std::nullopt;
    return setting->longValue;
}

std::optional<std::u16string> TodayStore::clientCode() const {
    const auto setting = store::SettingStore(volumes_).findById(store::kClientCodeSettingId);
    if (!setting) return std::nullopt;
    return setting->value;
}

std::optional<std::u16string> TodayStore::alertTitle() const {
    for (const auto kind : {store::WarningKind::Disaster, store::WarningKind::Fire}) {
        const auto list = store::WarningStore(volumes_, kind).list();
        if (!list) continue;
        if (auto title = flaggedTitle(*list)) return title;
    }
    return std::nullopt;
}

TodayPaintValues TodayStore::paintValues() const {
    namespace catalogue = store::catalogue;
    TodayPaintValues values;
    const store::TableAccessor<store::UserCityRecord> cities(volumes_,
                                                             catalogue::usersAddTeVoWeather());
    const store::TableAccessor<store::CityUpdateRecord> stamps(
        volumes_, catalogue::cityUpdateDateTeVoWeather());
    const store::TableAccessor<store::SettingRecord> settings(volumes_,
                                                              catalogue::userInformation());
    store::VolumeSession session(volumes_, catalogue::usersAddTeVoWeather(),
                                 store::VolumeSession::Access::Read);
    if (!session.mounted()) return values;

    if (const auto stamp = stamps.find(session, catalogue::kUpdateByName, store::kStampCityName))
        values.updateStamp = stamp->days[0];
    if (const auto city = cities.find(session, catalogue::kThreeDayByToday, u"1")) {
        values.desktopCity = city->cityName;
        if (const auto days = stamps.find(session, catalogue::kUpdateByName, city->cityName))
            values.cityDays = {days->days[0], days->days[1], days->days[2]};
    }
    if (const auto setting =
            settings.find(session, catalogue::kSettingByName, store::kUpdateTimesSettingName))
        values.updateTimeSetting = setting->longValue;
    if (const auto setting =
            settings.find(session, catalogue::kSettingById, store::kClientCodeSettingId))
        values.clientCode = setting->value;
    for (const auto* schema : {&catalogue::disasWeather(), &catalogue::fireRemind()}) {
        const store::TableAccessor<store::WarningRecord> warnings(volumes_, *schema);
        const auto list = warnings.list(session, catalogue::kWarningById);
        if (list && (values.alertTitle = flaggedTitle(*list))) break;
    }
    session.close();  // read-only: ends the shared lock, nothing to commit
    return values;
}

std::optional<std::vector<store::UserCityRecord>> TodayStore::threeDayCities() const {
    return store::CityListStore(volumes_, store::CityList::ThreeDay).listByDefault();
}

bool TodayStore::storeForecast(const std::u16string& reply,
                               const std::vector<store::UserCityRecord>& cities) const {
    return store::UpdateStampStore(volumes_, store::CityList::ThreeDay).storeReply(reply, cities);
}

std::optional<std::vector<store::WarningRecord>> TodayStore::warnings(
    store::WarningKind kind) const {
    return store::WarningStore(volumes_, kind).list();
}

bool TodayStore::addWarnings(store::WarningKind kind,
                             const std::vector<store::WarningRecord>& warnings,
                             const std::u16string& updateTime,
                             std::vector<std::u16string>* newTitles) const {
    return store::WarningStore(volumes_, kind)
        .storeWarnings(warnings, updateTime, newTitles)
        .has_value();
}

}  // namespace today
