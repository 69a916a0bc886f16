#pragma once

#include <array>
#include <string>

namespace store {

// The last forecast text received for one city, or the update stamp record.
struct CityUpdateRecord {
    std::u16string cityId;  // the city code; "65535" for the stamp record
    std::u16string cityName;
    std::array<std::u16string, 7> days;  // day records as received

    bool operator==(const CityUpdateRecord&) const = default;
};

inline constexpr char16_t kStampCityId[] = u"65535";
inline constexpr char16_t kStampCityName[] = u"更新时间";

}  // namespace store
