#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/RegionRecord.h"
#include "store/UserCityRecord.h"
#include "store/Volumes.h"

namespace store {

// The region tree (CityRecord): provinces, their cities and scenic spots.
class RegionStore final {
public:
    explicit RegionStore(Volumes volumes);

    // The whole tree, by City ID descending.
    [[nodiscard]] std::optional<std::vector<RegionRecord>> list() const;
    [[nodiscard]] std::optional<RegionRecord> findByName(std::u16string_view name) const;

    // Writes reference rows; only the reference-volume builder does this.
    [[nodiscard]] bool add(const RegionRecord& record) const;

    // In-memory filters over a listed tree, keeping list order.
    static std::vector<RegionRecord> provinces(const std::vector<RegionRecord>& tree);

private:
    Volumes volumes_;
};

// The city-list record made from a region entry (ID, code, name; flags empty).
UserCityRecord toUserCity(const RegionRecord& region);

}  // namespace store
