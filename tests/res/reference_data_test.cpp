// Checks the city reference tables that ship in the volumes and that the
// forecast service stand-in answers for.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

struct Table {
    Row header;
    std::vector<Row> rows;
};

std::string dataPath(const std::string& file) {
    const char* source = std::getenv("TEVALO_SOURCE_DIR");
    return std::string(source ? source : ".") + "/res/data/" + file;
}

Table readCsv(const std::string& file) {
    std::ifstream in(dataPath(file));
    Table table;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        Row fields;
        std::stringstream stream(line);
        std::string field;
        while (std::getline(stream, field, ',')) fields.push_back(field);
        if (!line.empty() && line.back() == ',') fields.emplace_back();
        if (first) {
            table.header = fields;
            first = false;
        } else {
            table.rows.push_back(fields);
        }
    }
    return table;
}

// Number of characters of a UTF-8 text.
size_t characters(const std::string& text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

class ReferenceData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        cities_ = readCsv("system_cities.csv");
        regions_ = readCsv("regions.csv");
        provinces_ = readCsv("provinces.csv");
    }
    // The first city whose field in the given column holds the value.
    static const Row* findCity(size_t column, const std::string& value) {
        for (const Row& r : cities_.rows) {
            if (r[column] == value) return &r;
        }
        return nullptr;
    }
    static Table cities_;
    static Table regions_;
    static Table provinces_;
};

Table ReferenceData::cities_;
Table ReferenceData::regions_;
Table ReferenceData::provinces_;

TEST_F(ReferenceData, TablesHaveTheirHeadersAndEveryRowItsFields) {
    EXPECT_EQ(cities_.header, (Row{"city_id", "initials", "name", "code"}));
    EXPECT_EQ(regions_.header, (Row{"city_id", "code", "name", "parent_id", "level"}));
    EXPECT_EQ(provinces_.header, (Row{"prefix", "name", "latitude", "altitude_class"}));
    for (const Row& r : cities_.rows) ASSERT_EQ(r.size(), 4u) << r[0];
    for (const Row& r : regions_.rows) ASSERT_EQ(r.size(), 5u) << r[0];
    for (const Row& r : provinces_.rows) ASSERT_EQ(r.size(), 4u) << r[0];
}

// The store keeps IDs in 7-unit fields, names in 20 and codes in 10 to 15,
// each holding one character less than its width; "65535" is the update stamp.
TEST_F(ReferenceData, CityFieldsFitTheStoreAndIdentifyOneCityEach) {
    ASSERT_GE(cities_.rows.size(), 2300u);
    std::set<std::string> ids, codes, names;
    const std::regex initials("[A-Z]+");
    const std::regex code("[0-9]{6}");
    for (const Row& r : cities_.rows) {
        EXPECT_TRUE(ids.insert(r[0]).second) << "duplicate ID " << r[0];
        EXPECT_TRUE(codes.insert(r[3]).second) << "duplicate code " << r[3];
        EXPECT_TRUE(names.insert(r[2]).second) << "duplicate name " << r[2];
        EXPECT_LE(r[0].size(), 6u);
        EXPECT_NE(r[0], "65535");
        EXPECT_TRUE(std::regex_match(r[1], initials)) << r[2] << " " << r[1];
        // One initial per character: the names are all Chinese.
        EXPECT_EQ(r[1].size(), characters(r[2])) << r[2] << " " << r[1];
        EXPECT_GE(characters(r[2]), 2u) << r[2];
        EXPECT_LE(characters(r[2]), 19u) << r[2];
        EXPECT_TRUE(std::regex_match(r[3], code)) << r[3];
    }
}

// Lookup by initials takes the first city in City ID order, compared as text.
TEST_F(ReferenceData, CityIdsSortAsTextInTheirNumericOrder) {
    for (size_t i = 1; i < cities_.rows.size(); ++i) {
        EXPECT_LT(cities_.rows[i - 1][0], cities_.rows[i][0]);
    }
}

struct InitialsCase {
    const char* initials;
    const char* firstCity;
};

class InitialsLookup : public ReferenceData, public ::testing::WithParamInterface<InitialsCase> {};

TEST_P(InitialsLookup, FindsTheBestKnownPlaceFirst) {
    const Row* hit = findCity(1, GetParam().initials);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ((*hit)[2], GetParam().firstCity);
}

INSTANTIATE_TEST_SUITE_P(MajorCities, InitialsLookup,
                         ::testing::Values(InitialsCase{"BJ", "北京"}, InitialsCase{"CD", "成都"},
                                           InitialsCase{"SZ", "深圳"}, InitialsCase{"HZ", "杭州"},
                                           InitialsCase{"XA", "西安"}, InitialsCase{"CQ", "重庆"},
                                           InitialsCase{"LZ", "兰州"}));

struct ReadingCase {
    const char* name;
    const char* initials;
};

class PlaceNameReading : public ReferenceData, public ::testing::WithParamInterface<ReadingCase> {};

// Characters read differently in place names than in everyday words.
TEST_P(PlaceNameReading, InitialsFollowThePlaceNameReading) {
    const Row* hit = findCity(2, GetParam().name);
    ASSERT_NE(hit, nullptr) << GetParam().name;
    EXPECT_EQ((*hit)[1], GetParam().initials);
}

INSTANTIATE_TEST_SUITE_P(Polyphones, PlaceNameReading,
                         ::testing::Values(ReadingCase{"重庆", "CQ"}, ReadingCase{"长沙", "CS"},
                                           ReadingCase{"厦门", "XM"}, ReadingCase{"六安", "LA"},
                                           ReadingCase{"蚌埠", "BB"}, ReadingCase{"乐山", "LS"},
                                           ReadingCase{"丽水", "LS"}, ReadingCase{"乐清", "YQ"},
                                           ReadingCase{"单县", "SX"}, ReadingCase{"洪洞", "HT"},
                                           ReadingCase{"蔚县", "YX"}, ReadingCase{"涡阳", "GY"},
                                           ReadingCase{"大埔", "DB"}, ReadingCase{"民乐", "ML"},
                                           ReadingCase{"泌阳", "BY"}, ReadingCase{"宕昌", "TC"}));

struct ShortNameCase {
    const char* name;
    const char* code;
};

class NamesAsTyped : public ReferenceData, public ::testing::WithParamInterface<ShortNameCase> {};

// Names drop "市", "县" and ethnic tails, unless that would make them clash.
TEST_P(NamesAsTyped, NameBelongsToTheExpectedPlace) {
    const Row* hit = findCity(2, GetParam().name);
    ASSERT_NE(hit, nullptr) << GetParam().name;
    EXPECT_EQ((*hit)[3], GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Places, NamesAsTyped,
    ::testing::Values(ShortNameCase{"成都", "510100"}, ShortNameCase{"凉山", "513400"},
                      ShortNameCase{"陵水", "469028"}, ShortNameCase{"峨边", "511132"},
                      ShortNameCase{"大理", "532900"}, ShortNameCase{"大理市", "532901"},
                      ShortNameCase{"朝阳", "211300"}, ShortNameCase{"朝阳县", "211321"},
                      ShortNameCase{"神农架", "429021"}, ShortNameCase{"吉县", "141028"},
                      ShortNameCase{"吉林", "220200"}, ShortNameCase{"莫力达瓦旗", "150722"},
                      ShortNameCase{"黔东南", "522600"}, ShortNameCase{"本溪县", "210521"},
                      ShortNameCase{"东乡", "622926"}, ShortNameCase{"海南州", "632500"}));

// The choosers find an entry again by its name, so a name must lead back to
// one entry; a province must never be mistaken for a city of the same name.
TEST_F(ReferenceData, RegionTreeNamesIdsAndCodesAreUnique) {
    std::set<std::string> ids, codes, names;
    for (const Row& r : regions_.rows) {
        EXPECT_TRUE(ids.insert(r[0]).second) << "duplicate ID " << r[0];
        EXPECT_TRUE(codes.insert(r[1]).second) << "duplicate code " << r[1];
        EXPECT_TRUE(names.insert(r[2]).second) << "duplicate name " << r[2];
        EXPECT_LE(r[0].size(), 6u);
        EXPECT_NE(r[0], "65535");
        EXPECT_LE(r[1].size(), 10u);
        EXPECT_LE(characters(r[2]), 19u) << r[2];
    }
}

TEST_F(ReferenceData, EveryProvinceHasCitiesAndScenicSpots) {
    std::map<std::string, std::string> provinceOf;  // province ID -> name
    for (const Row& r : regions_.rows) {
        if (r[4] == "1") {
            EXPECT_TRUE(r[3].empty()) << r[2];
            provinceOf[r[0]] = r[2];
        }
    }
    EXPECT_EQ(provinceOf.size(), 31u);
    std::map<std::string, int> spots, cities;
    for (const Row& r : regions_.rows) {
        if (r[4] == "1") continue;
        ASSERT_TRUE(r[4] == "2" || r[4] == "3") << r[2] << " level " << r[4];
        ASSERT_TRUE(provinceOf.count(r[3])) << r[2] << " has parent " << r[3];
        (r[4] == "3" ? spots : cities)[r[3]]++;
    }
    int total = 0;
    for (const auto& [id, name] : provinceOf) {
        EXPECT_GE(spots[id], 1) << name;
        EXPECT_GE(cities[id], 1) << name;
        total += spots[id];
    }
    EXPECT_GE(total, 150);
}

// A scenic spot added to a city list is keyed by its name and its code, next
// to the cities found by lookup.
TEST_F(ReferenceData, ScenicSpotsNeverClashWithSearchableCities) {
    std::set<std::string> cityNames, cityCodes;
    for (const Row& r : cities_.rows) {
        cityNames.insert(r[2]);
        cityCodes.insert(r[3]);
    }
    for (const Row& r : regions_.rows) {
        if (r[4] != "3") continue;
        EXPECT_FALSE(cityNames.count(r[2])) << r[2];
        EXPECT_FALSE(cityCodes.count(r[1])) << r[1];
    }
}

// The service stand-in makes its temperatures from the province of a code.
TEST_F(ReferenceData, EveryCodeBelongsToAListedProvince) {
    std::set<std::string> prefixes;
    for (const Row& r : provinces_.rows) {
        prefixes.insert(r[0]);
        const double latitude = std::atof(r[2].c_str());
        EXPECT_TRUE(latitude > 15 && latitude < 55) << r[1];
        EXPECT_TRUE(r[3] >= "0" && r[3] <= "3") << r[1];
    }
    EXPECT_EQ(prefixes.size(), 31u);
    for (const Row& r : cities_.rows) EXPECT_TRUE(prefixes.count(r[3].substr(0, 2))) << r[2];
    for (const Row& r : regions_.rows) EXPECT_TRUE(prefixes.count(r[1].substr(0, 2))) << r[2];
}

}  // namespace
