#pragma once

#include <string>

namespace store {

// An entry of the region tree: a province, a city or a scenic spot.
struct RegionRecord {
    std::u16string cityId;
    std::u16string cityCode;
    std::u16string cityName;
    std::u16string parentId;
    std::u16string level;  // "1" province, "2" city, "3" scenic spot

    bool operator==(const RegionRecord&) const = default;
};

inline constexpr char16_t kLevelProvince[] = u"1";
inline constexpr char16_t kLevelCity[] = u"2";
inline constexpr char16_t kLevelScenicSpot[] = u"3";

}  // namespace store
