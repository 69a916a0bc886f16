#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "store/CityList.h"
#include "store/CityUpdateRecord.h"
#include "store/UserCityRecord.h"
#include "store/Volumes.h"

namespace store {

// The last forecast text per city of one list, plus the update stamp record
// (CityUpdateDateTeVoWeather, CityUpdateDateWeekly, CityUpdateDateDemand).
class UpdateStampStore final {
public:
    UpdateStampStore(Volumes volumes, CityList list);

    // All records, greatest city name first.
    std::optional<std::vector<CityUpdateRecord>> list() const;
    std::optional<CityUpdateRecord> findByName(std::u16string_view cityName) const;
    // Writes a new record or replaces the one with the same city name.
    bool addOrReplace(const CityUpdateRecord& record) const;
    bool removeByName(std::u16string_view cityName) const;

    // The time text of the last stored reply, if any.
    std::optional<std::u16string> stamp() const;

    // Stores a forecast reply that passed the error checks: the stamp first,
    // then one record per non-empty city block, block j of a section belonging
    // to cities[j]. All of it is written in one mount, so another process sees
    // the whole reply or none of it.
    bool storeReply(std::u16string_view reply, std::span<const UserCityRecord> cities) const;
    // The single-city form: every non-empty block of every section is written
    // for `city`, so the last one stands.
    bool storeSingleCityReply(std::u16string_view reply, const UserCityRecord& city) const;

private:
    bool store(std::u16string_view reply, std::span<const UserCityRecord> cities,
               bool singleCity) const;

    Volumes volumes_;
    CityList list_;
};

}  // namespace store
