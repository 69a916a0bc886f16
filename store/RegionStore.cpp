#include "store/RegionStore.h"

#include "store/Catalogue.h"
#include "store/TableAccessor.h"

namespace store {

namespace {
using Regions = TableAccessor<RegionRecord>;
}

RegionStore::RegionStore(Volumes volumes) : volumes_(std::move(volumes)) {}

std::optional<std::vector<RegionRecord>> RegionStore::list() const {
    return Regions(volumes_, catalogue::cityRecord()).list(catalogue::kRegionById);
}

std::optional<RegionRecord> RegionStore::findByName(std::u16string_view name) const {
    return Regions(volumes_, catalogue::cityRecord()).find(catalogue::kRegionByName, name);
}

bool RegionStore::add(const RegionRecord& record) const {
    return Regions(volumes_, catalogue::cityRecord()).add(record);
}

std::vector<RegionRecord> RegionStore::provinces(const std::vector<RegionRecord>& tree) {
    std::vector<RegionRecord> result;
    for (const auto& entry : tree)
        if (entry.level == kLevelProvince) result.push_back(entry);
    return result;
}

UserCityRecord toUserCity(const RegionRecord& region) {
    return {region.cityId, region.cityCode, region.cityName, {}, {}, {}, {}};
}

}  // namespace store
