#include "store/SettingStore.h"

#include "store/Catalogue.h"
#include "store/TableAccessor.h"
#include "weather/ClientCode.h"

namespace store {

namespace {
using Settings = TableAccessor<SettingRecord>;
}

SettingStore::SettingStore(Volumes volumes) : volumes_(std::move(volumes)) {}

std::optional<SettingRecord> SettingStore::findById(std::u16string_view settingId) const {
    return Settings(volumes_, catalogue::userInformation())
        .find(catalogue::kSettingById, settingId);
}

std::optional<SettingRecord> SettingStore::findByName(std::u16string_view settingName) const {
    return Settings(volumes_, catalogue::userInformation())
        .find(catalogue::kSettingByName, settingName);
}

bool SettingStore::store(const SettingRecord& setting) const {
    return Settings(volumes_, catalogue::userInformation())
        .addOrUpdate(setting, catalogue::kSettingByName);
}

bool SettingStore::updateByName(std::u16string_view settingName,
                                const SettingRecord& setting) const {
    return Settings(volumes_, catalogue::userInformation())
        .update(catalogue::kSettingByName, settingName, setting);
}

std::optional<std::u16string> SettingStore::clientCode() const {
    const auto stored = findById(kClientCodeSettingId);
    if (stored && !stored->value.empty()) return stored->value;
    if (!stored && platform::propdb::lastError() != platform::propdb::kErrorNotFound)
        return std::nullopt;
    SettingRecord setting{kClientCodeSettingId, kClientCodeSettingName, {}, {}, {}};
    setting.value = weather::makeClientCode();
    // A code that could not be kept would change at the next start.
    if (!store(setting)) return std::nullopt;
    return setting.value;
}

}  // namespace store
