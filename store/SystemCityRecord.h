#pragma once

#include <string>

namespace store {

// An entry of the searchable city table.
struct SystemCityRecord {
    std::u16string cityId;
    std::u16string initials;  // capital pinyin initials of the name
    std::u16string cityName;
    std::u16string cityCode;

    bool operator==(const SystemCityRecord&) const = default;
};

}  // namespace store
