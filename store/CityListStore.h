#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/CityList.h"
#include "store/UserCityRecord.h"
#include "store/Volumes.h"

namespace store {

// One of the user's city lists (UsersAddTeVoWeather, UsersAddWeeklyWeather,
// UsersAddWeatherDemand). Every call mounts, works and unmounts.
class CityListStore final {
public:
    CityListStore(Volumes volumes, CityList list);

    // All cities, greatest default flag first ("1" before "0"); in the
    // on-demand list this orders by request token.
    [[nodiscard]] std::optional<std::vector<UserCityRecord>> listByDefault() const;
    // All cities, the home-screen city first (three-day list only).
    [[nodiscard]] std::optional<std::vector<UserCityRecord>> listByToday() const;

    [[nodiscard]] std::optional<UserCityRecord> findByName(std::u16string_view name) const;
    // The first city whose home-screen flag equals `flag` (three-day list).
    [[nodiscard]] std::optional<UserCityRecord> findByTodayFlag(std::u16string_view flag) const;

    // Fails when the list's unique key (the name in the three-day list, the
    // city ID in the others) is taken.
    [[nodiscard]] bool add(const UserCityRecord& city) const;
    [[nodiscard]] bool updateByName(std::u16string_view name, const UserCityRecord& city) const;

    // Gives `name` the default flag "1" and the city that was first before it
    // "0". Does nothing and succeeds when `name` is already first.
    [[nodiscard]] bool makeDefault(std::u16string_view name) const;

    // Gives `name` the home-screen flag "1" and every other city of the
    // three-day list "0", in one mount. A city not listed changes nothing; a
    // failed write fails and changes nothing.
    [[nodiscard]] bool moveTodayFlag(std::u16string_view name) const;

    // Removes the city and its update-stamp record; a missing stamp record is
    // not an error.
    [[nodiscard]] bool removeWithStamp(std::u16string_view name) const;

    CityList list() const { return list_; }

private:
    Volumes volumes_;
    CityList list_;
};

}  // namespace store
