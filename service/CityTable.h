#pragma once

// The places the service answers for, read from the reference tables in a data
// folder: system_cities.csv (city_id,initials,name,code), regions.csv
// (city_id,code,name,parent_id,level; level 3 are scenic spots with codes of
// their own), provinces.csv (code prefix, name, latitude, altitude) and
// coordinates.csv (code, latitude, longitude: each place's position).
// Read-only after loading, so it is shared by the server threads without locks.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "service/City.h"

namespace service {

class CityTable final {
public:
    // Missing files leave the table empty for their part; `problems` receives
    // one line per file that could not be read.
    static CityTable load(const std::string& dataDir, std::string* problems = nullptr);

    // Adds a place (codes already present are ignored).
    void add(City city);

    const City* find(std::string_view code) const;
    const std::vector<City>& places() const { return places_; }
    // The cities (not scenic spots) of a province.
    std::vector<const City*> inProvince(std::string_view prefix) const;
    // One of the cities, chosen by a number; nothing when there is none.
    const City* town(std::uint64_t number) const;
    bool empty() const { return places_.empty(); }

private:
    // Sets the positions of the places listed in a coordinates file.
    void placeOnMap(const std::string& path, std::string* problems);

    std::vector<City> places_;
    std::unordered_map<std::string, size_t> byCode_;
    std::vector<size_t> towns_;
};

}  // namespace service
