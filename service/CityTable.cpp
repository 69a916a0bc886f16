#include "service/CityTable.h"

#include <cstdlib>
#include <map>

#include "service/CsvFile.h"
#include "service/Random.h"

namespace service {

namespace {

struct Province {
    std::string name;
    double latitude = 32.0;
    double altitudeCooling = 0.0;
};

// Altitude arrives either as a class (0 lowland .. 3 plateau), in metres, or as a
// word; all become degrees of cooling.
double coolingOf(const std::string& altitude) {
    if (altitude.empty()) return 0.0;
    char* end = nullptr;
    const double value = std::strtod(altitude.c_str(), &end);
    if (end != altitude.c_str()) return value <= 5.0 ? value * 4.0 : value * 0.0065;
    if (altitude.find("plateau") != std::string::npos || altitude.find("高原") != std::string::npos)
        return 12.0;
    if (altitude.find("high") != std::string::npos || altitude.find("高") != std::string::npos)
        return 6.0;
    if (altitude.find("mid") != std::string::npos || altitude.find("中") != std::string::npos)
        return 3.0;
    return 0.0;
}

std::map<std::string, Province> loadProvinces(const std::string& path, std::string* problems) {
    std::map<std::string, Province> provinces;
    const auto file = CsvFile::load(path);
    if (!file) {
        if (problems) *problems += "cannot read " + path + "\n";
        return provinces;
    }
    auto prefixColumn = file->column("prefix");
    if (!prefixColumn) prefixColumn = file->column("code");
    if (!prefixColumn) prefixColumn = 0;
    auto nameColumn = file->column("name");
    if (!nameColumn) nameColumn = 1;
    auto latitudeColumn = file->column("lat");
    if (!latitudeColumn) latitudeColumn = 2;
    const auto altitudeColumn = file->column("alt");
    for (const auto& row : file->rows()) {
        const std::string& prefix = CsvFile::field(row, prefixColumn);
        if (prefix.size() < 2) continue;
        Province province;
        province.name = CsvFile::field(row, nameColumn);
        const std::string& latitude = CsvFile::field(row, latitudeColumn);
        if (!latitude.empty()) province.latitude = std::strtod(latitude.c_str(), nullptr);
        province.altitudeCooling = coolingOf(CsvFile::field(row, altitudeColumn));
        provinces[prefix.substr(0, 2)] = province;
    }
    return provinces;
}

City placeIn(const std::map<std::string, Province>& provinces, std::string code, std::string name,
             const std::string& prefix) {
    City city;
    city.code = std::move(code);
    city.name = std::move(name);
    city.provincePrefix = prefix;
    if (const auto it = provinces.find(prefix); it != provinces.end()) {
        city.provinceName = it->second.name;
        city.latitude = it->second.latitude;
        city.altitudeCooling = it->second.altitudeCooling;
    }
    // Places of one province differ a little, so that neighbours do not share
    // every temperature.
    Random jitter(Random::seedOf(city.code, 0));
    city.latitude += jitter.between(-10, 10) / 10.0;
    return city;
}

}  // namespace

CityTable CityTable::load(const std::string& dataDir, std::string* problems) {
    CityTable table;
    const auto provinces = loadProvinces(dataDir + "/provinces.csv", problems);

    const std::string citiesPath = dataDir + "/system_cities.csv";
    if (const auto cities = CsvFile::load(citiesPath)) {
        const auto code = cities->column("code");
        const auto name = cities->column("name");
        for (const auto& row : cities->rows()) {
            const std::string& c = CsvFile::field(row, code);
            if (c.empty()) continue;
            table.add(placeIn(provinces, c, CsvFile::field(row, name), c.substr(0, 2)));
        }
    } else if (problems) {
        *problems += "cannot read " + citiesPath + "\n";
    }

    const std::string regionsPath = dataDir + "/regions.csv";
    if (const auto regions = CsvFile::load(regionsPath)) {
        const auto id = regions->column("city_id");
        const auto code = regions->column("code");
        const auto name = regions->column("name");
        const auto parent = regions->column("parent");
        const auto level = regions->column("level");
        std::map<std::string, std::string> prefixOfProvince;  // by city ID
        for (const auto& row : regions->rows())
            if (CsvFile::field(row, level) == "1")
                prefixOfProvince[CsvFile::field(row, id)] = CsvFile::field(row, code).substr(0, 2);
        for (const auto& row : regions->rows()) {
            const std::string& c = CsvFile::field(row, code);
            const std::string& l = CsvFile::field(row, level);
            if (c.empty() || l == "1") continue;
            std::string prefix = c.substr(0, 2);
            if (const auto it = prefixOfProvince.find(CsvFile::field(row, parent));
                it != prefixOfProvince.end())
                prefix = it->second;
            City place = placeIn(provinces, c, CsvFile::field(row, name), prefix);
            place.scenicSpot = l == "3";
            table.add(std::move(place));
        }
    } else if (problems) {
        *problems += "cannot read " + regionsPath + "\n";
    }
    table.placeOnMap(dataDir + "/coordinates.csv", problems);
    return table;
}

void CityTable::placeOnMap(const std::string& path, std::string* problems) {
    const auto file = CsvFile::load(path);
    if (!file) {
        if (problems) *problems += "cannot read " + path + "\n";
        return;
    }
    const auto code = file->column("code");
    const auto latitude = file->column("latitude");
    const auto longitude = file->column("longitude");
    size_t unreadable = 0;
    for (const auto& row : file->rows()) {
        const auto it = byCode_.find(CsvFile::field(row, code));
        if (it == byCode_.end()) continue;
        const std::string& lat = CsvFile::field(row, latitude);
        const std::string& lon = CsvFile::field(row, longitude);
        char* latEnd = nullptr;
        char* lonEnd = nullptr;
        const double north = std::strtod(lat.c_str(), &latEnd);
        const double east = std::strtod(lon.c_str(), &lonEnd);
        if (lat.empty() || lon.empty() || *latEnd || *lonEnd || north < -90 || north > 90 ||
            east < -180 || east > 180) {
            ++unreadable;
            continue;
        }
        places_[it->second].position = GeoPosition{north, east};
    }
    if (unreadable && problems)
        *problems += path + ": " + std::to_string(unreadable) + " rows without a usable position\n";
}

void CityTable::add(City city) {
    if (byCode_.contains(city.code)) return;
    byCode_.emplace(city.code, places_.size());
    if (!city.scenicSpot) towns_.push_back(places_.size());
    places_.push_back(std::move(city));
}

const City* CityTable::town(std::uint64_t number) const {
    if (towns_.empty()) return nullptr;
    return &places_[towns_[number % towns_.size()]];
}

const City* CityTable::find(std::string_view code) const {
    const auto it = byCode_.find(std::string(code));
    return it == byCode_.end() ? nullptr : &places_[it->second];
}

std::vector<const City*> CityTable::inProvince(std::string_view prefix) const {
    std::vector<const City*> out;
    for (const City& city : places_)
        if (city.provincePrefix == prefix && !city.scenicSpot) out.push_back(&city);
    return out;
}

}  // namespace service
