#pragma once

#include <string>

namespace store {

// One city of a user's city list (three-day, weekly or on-demand).
struct UserCityRecord {
    std::u16string cityId;
    std::u16string cityCode;  // sent to the service when the forecast is requested
    std::u16string cityName;  // the key screens find, update and delete by
    std::u16string parentId;
    std::u16string level;
    // "1" for the default city, "0" otherwise; the request token in the
    // on-demand list.
    std::u16string defaultFlag;
    std::u16string todayFlag;  // "1" for the city shown on the home screen

    bool operator==(const UserCityRecord&) const = default;
};

}  // namespace store
