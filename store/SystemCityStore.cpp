#include "store/SystemCityStore.h"

#include <algorithm>

#include "platform/text/Utf.h"
#include "store/Catalogue.h"
#include "store/TableAccessor.h"

namespace store {

namespace {

using Cities = TableAccessor<SystemCityRecord>;

bool startsWithCapital(std::u16string_view text) {
    return !text.empty() && text.front() >= u'A' && text.front() <= u'Z';
}

}  // namespace

SystemCityStore::SystemCityStore(Volumes volumes) : volumes_(std::move(volumes)) {}

std::optional<std::vector<SystemCityRecord>> SystemCityStore::listAll() const {
    return Cities(volumes_, catalogue::systemCityTable()).list(catalogue::kSystemCityById);
}

std::optional<SystemCityRecord> SystemCityStore::findByName(std::u16string_view name) const {
    return Cities(volumes_, catalogue::systemCityTable()).find(catalogue::kSystemCityByName, name);
}

std::optional<SystemCityRecord> SystemCityStore::findByInitials(
    std::u16string_view initials) const {
    // The first of the cities with these initials in City ID order, ties in the
    // store's order: the same city a scan of the whole list would meet first.
    auto matches = Cities(volumes_, catalogue::systemCityTable())
                       .findAll(catalogue::kSystemCityByInitials, initials);
    if (!matches || matches->empty()) return std::nullopt;
    const auto first = std::min_element(
        matches->begin(), matches->end(),
        [](const SystemCityRecord& a, const SystemCityRecord& b) { return a.cityId < b.cityId; });
    return *first;
}

std::optional<SystemCityRecord> SystemCityStore::lookup(std::u16string_view typed) const {
    if (typed.empty()) return std::nullopt;
    const std::u16string text = platform::toUpperAscii(typed);
    return startsWithCapital(text) ? findByInitials(text) : findByName(text);
}

UserCityRecord toUserCity(const SystemCityRecord& city) {
    return {city.cityId, city.cityCode, city.cityName, {}, {}, {}, {}};
}

}  // namespace store
