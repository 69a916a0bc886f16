#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "store/CityList.h"
#include "store/CityUpdateRecord.h"
#include "store/UserCityRecord.h"
#include "store/Volumes.h"
#include "weather/ForecastReply.h"

namespace store {

// The last forecast text per city of one list, plus the update stamp record
// (CityUpdateDateTeVoWeather, CityUpdateDateWeekly, CityUpdateDateDemand).
class UpdateStampStore final {
public:
    UpdateStampStore(Volumes volumes, CityList list);

    // All records, greatest city name first.
    [[nodiscard]] std::optional<std::vector<CityUpdateRecord>> list() const;
    [[nodiscard]] std::optional<CityUpdateRecord> findByName(std::u16string_view cityName) const;
    // Writes a new record or replaces the one with the same city name.
    [[nodiscard]] bool addOrReplace(const CityUpdateRecord& record) const;

    // The time text of the last stored reply, if any.
    [[nodiscard]] std::optional<std::u16string> stamp() const;

    // Parses and stores a reply that passed the error checks, for the cities
    // of a list request in request order.
    [[nodiscard]] bool storeReply(std::u16string_view reply,
                                  std::span<const UserCityRecord> cities) const;
    // The single-city form: every non-empty block is written for `city`, so
    // the last one stands.
    [[nodiscard]] bool storeSingleCityReply(std::u16string_view reply,
                                            const UserCityRecord& city) const;

private:
    // Writes a parsed forecast reply: the stamp record first, then each city
    // record, each replacing the earlier record of its city. All of it is one
    // mount, so another process sees the whole reply or none of it.
    [[nodiscard]] bool storeUpdate(const weather::ForecastUpdate& update) const;

    Volumes volumes_;
    CityList list_;
};

}  // namespace store
