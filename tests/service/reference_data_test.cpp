// The shipped reference tables: every city and scenic spot has forecasts, and
// the generated weather stays plausible and inside the codes the client knows.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "platform/text/Utf.h"
#include "service/CityTable.h"
#include "service/CsvFile.h"
#include "service/DataFolder.h"
#include "service/WeatherGenerator.h"
#include "weather/CodeTables.h"
#include "weather/DayRecord.h"
#include "weather/ForecastReply.h"

namespace service {
namespace {

std::string referenceFolder() {
    return std::string(TEVALO_SOURCE_DIR_FOR_TESTS) + "/res/data";
}

TEST(ReferenceTables, EveryListedCodeGetsAForecast) {
    const std::string folder = referenceFolder();
    const auto cities = CsvFile::load(folder + "/system_cities.csv");
    const auto regions = CsvFile::load(folder + "/regions.csv");
    if (!cities || !regions) GTEST_SKIP() << "no reference tables in " << folder;
    std::string problems;
    const CityTable table = CityTable::load(folder, &problems);
    EXPECT_EQ(problems, "");
    size_t checked = 0;
    const auto cityCode = cities->column("code");
    for (const auto& row : cities->rows()) {
        EXPECT_NE(table.find(CsvFile::field(row, cityCode)), nullptr) << row.at(0);
        ++checked;
    }
    const auto regionCode = regions->column("code");
    const auto level = regions->column("level");
    size_t spots = 0;
    for (const auto& row : regions->rows()) {
        if (CsvFile::field(row, level) == "1") continue;
        const City* place = table.find(CsvFile::field(row, regionCode));
        ASSERT_NE(place, nullptr) << CsvFile::field(row, regionCode);
        if (CsvFile::field(row, level) == "3") {
            ++spots;
            EXPECT_FALSE(place->provinceName.empty()) << place->name << " has no province";
        }
    }
    EXPECT_GT(checked, 2000u);
    EXPECT_GT(spots, 100u);
    EXPECT_FALSE(table.inProvince("51").empty());
}

// The live source asks for forecasts by position: every place has one, inside
// the country's bounds, and a prefecture's places are near it.
TEST(ReferenceTables, EveryPlaceHasAPositionInsideTheCountry) {
    const CityTable table = CityTable::load(referenceFolder());
    if (table.empty()) GTEST_SKIP() << "no reference tables";
    for (const City& place : table.places()) {
        ASSERT_TRUE(place.position) << place.code << " " << place.name;
        EXPECT_GT(place.position->latitude, 3.5) << place.name;  // 三沙 reaches far south
        EXPECT_LT(place.position->latitude, 53.6) << place.name;
        EXPECT_GT(place.position->longitude, 73.4) << place.name;
        EXPECT_LT(place.position->longitude, 135.1) << place.name;
        if (place.scenicSpot || place.code.size() != 6) continue;
        const City* prefecture = table.find(place.code.substr(0, 4) + "00");
        if (!prefecture || !prefecture->position) continue;
        // About 4 degrees covers the largest prefectures (Xinjiang's, Tibet's).
        EXPECT_LT(std::abs(place.position->latitude - prefecture->position->latitude), 4.5)
            << place.name;
        EXPECT_LT(std::abs(place.position->longitude - prefecture->position->longitude), 6.5)
            << place.name;
    }
    const City* chengdu = table.find("510100");
    ASSERT_TRUE(chengdu && chengdu->position);
    EXPECT_NEAR(chengdu->position->latitude, 30.67, 0.2);
    EXPECT_NEAR(chengdu->position->longitude, 104.07, 0.2);
}

// A whole year of every tenth place: codes in the client's tables, temperatures
// in the country's range, today's record within the stored field width.
TEST(GeneratedWeather, StaysInsideTheClientsTablesAndAPlausibleClimate) {
    CityTable table = CityTable::load(referenceFolder());
    if (table.empty()) table = CityTable::load(SERVICE_TEST_DATA);
    int hottestSummerHigh = -100, coldestWinterLow = 100;
    for (size_t i = 0; i < table.places().size(); i += 10) {
        const City& city = table.places()[i];
        for (int d = 0; d < 365; d += 3) {
            const LocalTime date = addDays({2010, 1, 1, 8, 0, 0}, d);
            const DayWeather w = WeatherGenerator::day(city, date);
            ASSERT_LE(w.low, w.high);
            ASSERT_GE(w.low, -45);
            ASSERT_LE(w.high, 45);
            for (const int kind : {w.kindFirst, w.kindThen}) {
                ASSERT_FALSE(weather::weatherKindText(kind).empty()) << kind;
                ASSERT_FALSE(weather::weatherKindPicture(kind).empty()) << kind;
            }
            ASSERT_FALSE(weather::windDirectionText(w.windDirection).empty());
            ASSERT_FALSE(weather::windForceText(w.windForce).empty());
            const auto record = platform::fromUtf8(WeatherGenerator::dayRecord(w, "ci_1", true));
            ASSERT_LE(record.size(), weather::kDayFieldLength);
            ASSERT_EQ(weather::DayRecord(record).mainFieldCount(), 8u);
            if (date.month == 7) hottestSummerHigh = std::max(hottestSummerHigh, w.high);
            if (date.month == 1) coldestWinterLow = std::min(coldestWinterLow, w.low);
        }
    }
    EXPECT_GE(hottestSummerHigh, 30);
    EXPECT_LE(coldestWinterLow, -10);
}

}  // namespace
}  // namespace service
