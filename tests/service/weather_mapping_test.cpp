// The mapping from upstream values to the product's codes, on its edges: each
// WMO code, the compass sectors, the Beaufort boundaries, rainfall bands.

#include <gtest/gtest.h>

#include <set>

#include "platform/text/Utf.h"
#include "service/WeatherMapping.h"
#include "weather/CodeTables.h"

namespace service {
namespace {

std::string kindText(int kind) {
    return platform::toUtf8(std::u16string(weather::weatherKindText(kind)));
}

struct WmoCase {
    int wmo;
    const char* text;
};

class EveryWmoCode : public ::testing::TestWithParam<WmoCase> {};

TEST_P(EveryWmoCode, GivesTheKindOfItsMeaning) {
    EXPECT_EQ(kindText(kindOfWmo(GetParam().wmo)), GetParam().text) << GetParam().wmo;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EveryWmoCode,
    ::testing::Values(
        WmoCase{0, "晴"}, WmoCase{1, "晴"}, WmoCase{2, "多云"}, WmoCase{3, "阴"}, WmoCase{45, "雾"},
        WmoCase{48, "雾"}, WmoCase{51, "小雨"}, WmoCase{53, "小雨"}, WmoCase{55, "小雨"},
        WmoCase{56, "冻雨"}, WmoCase{57, "冻雨"}, WmoCase{61, "小雨"}, WmoCase{63, "中雨"},
        WmoCase{65, "大雨"}, WmoCase{66, "冻雨"}, WmoCase{67, "冻雨"}, WmoCase{71, "小雪"},
        WmoCase{73, "中雪"}, WmoCase{75, "大雪"}, WmoCase{77, "小雪"}, WmoCase{80, "阵雨"},
        WmoCase{81, "阵雨"}, WmoCase{82, "阵雨"}, WmoCase{85, "阵雪"}, WmoCase{86, "阵雪"},
        WmoCase{95, "雷阵雨"}, WmoCase{96, "雷阵雨并伴有冰雹"}, WmoCase{99, "雷阵雨并伴有冰雹"},
        // Codes outside the table show no weather rather than a guess.
        WmoCase{4, ""}, WmoCase{-1, ""}, WmoCase{100, ""}));

TEST(WmoTable, CoversEveryRowOnceAndOnlyKindsWithAPicture) {
    std::set<int> seen;
    for (const WmoKind& row : wmoKinds()) {
        EXPECT_TRUE(seen.insert(row.wmo).second) << row.wmo;
        EXPECT_FALSE(weather::weatherKindPicture(row.kind).empty()) << row.wmo;
    }
    EXPECT_EQ(seen.size(), 28u);
    EXPECT_TRUE(weather::weatherKindText(kNoWeatherKind).empty());
}

struct DirectionCase {
    double degrees;
    const char* text;
};

class CompassSectors : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(CompassSectors, NameWhereTheWindComesFrom) {
    const int code = directionCodeOf(GetParam().degrees, 5.0);
    EXPECT_EQ(platform::toUtf8(std::u16string(weather::windDirectionText(code))), GetParam().text)
        << GetParam().degrees;
}

INSTANTIATE_TEST_SUITE_P(EveryFortyFiveDegrees, CompassSectors,
                         ::testing::Values(DirectionCase{0, "北风"}, DirectionCase{45, "东北风"},
                                           DirectionCase{90, "东风"}, DirectionCase{135, "东南风"},
                                           DirectionCase{180, "南风"}, DirectionCase{225, "西南风"},
                                           DirectionCase{270, "西风"}, DirectionCase{315, "西北风"},
                                           DirectionCase{360, "北风"}, DirectionCase{22.4, "北风"},
                                           DirectionCase{22.5, "东北风"},
                                           DirectionCase{337.4, "西北风"},
                                           DirectionCase{337.5, "北风"},
                                           DirectionCase{-45, "西北风"},
                                           DirectionCase{405, "东北风"}));

TEST(CalmAir, HasNoDirection) {
    EXPECT_EQ(directionCodeOf(90.0, 0.2), kCalmDirection);
    EXPECT_EQ(directionCodeOf(std::nullopt, 10.0), kCalmDirection);
    EXPECT_EQ(directionCodeOf(90.0, 0.3), 2);
    EXPECT_EQ(platform::toUtf8(std::u16string(weather::windDirectionText(kCalmDirection))),
              "无风向");
}

struct SpeedCase {
    double metresPerSecond;
    int beaufort;
    const char* forceText;
};

class BeaufortBoundaries : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(BeaufortBoundaries, GiveTheForceAndItsText) {
    const SpeedCase& c = GetParam();
    EXPECT_EQ(beaufortForce(c.metresPerSecond), c.beaufort) << c.metresPerSecond;
    EXPECT_EQ(
        platform::toUtf8(std::u16string(weather::windForceText(forceCodeOf(c.metresPerSecond)))),
        c.forceText)
        << c.metresPerSecond;
}

INSTANTIATE_TEST_SUITE_P(
    Scale, BeaufortBoundaries,
    ::testing::Values(SpeedCase{0.0, 0, "微风"}, SpeedCase{0.29, 1, "微风"},
                      SpeedCase{0.24, 0, "微风"}, SpeedCase{1.5, 1, "微风"},
                      SpeedCase{1.55, 2, "微风"}, SpeedCase{3.3, 2, "微风"},
                      SpeedCase{3.4, 3, "三到四级"}, SpeedCase{5.4, 3, "三到四级"},
                      SpeedCase{5.5, 4, "四到五级"}, SpeedCase{8.0, 5, "五到六级"},
                      SpeedCase{10.8, 6, "六到七级"}, SpeedCase{13.9, 7, "七到八级"},
                      SpeedCase{17.2, 8, "八到九级"}, SpeedCase{20.8, 9, "九到十级"},
                      SpeedCase{24.5, 10, "十到十一级"}, SpeedCase{28.5, 11, "十一到十二级"},
                      SpeedCase{32.6, 11, "十一到十二级"}, SpeedCase{32.7, 12, "十一到十二级"},
                      SpeedCase{70.0, 12, "十一到十二级"}));

TEST(WindUnits, BecomeMetresPerSecond) {
    EXPECT_DOUBLE_EQ(*toMetresPerSecond(36.0, "km/h"), 10.0);
    EXPECT_DOUBLE_EQ(*toMetresPerSecond(4.0, "m/s"), 4.0);
    EXPECT_NEAR(*toMetresPerSecond(10.0, "mp/h"), 4.4704, 1e-9);
    EXPECT_NEAR(*toMetresPerSecond(10.0, "kn"), 5.14444, 1e-9);
    EXPECT_FALSE(toMetresPerSecond(1.0, "furlongs"));
}

struct RainCase {
    int kind;
    double mm;
    const char* text;
};

class DailyRainfall : public ::testing::TestWithParam<RainCase> {};

TEST_P(DailyRainfall, RaisesRainToTheBandOfItsTotalButNeverLowersIt) {
    EXPECT_EQ(kindText(kindForRainfall(GetParam().kind, GetParam().mm)), GetParam().text)
        << GetParam().kind << " " << GetParam().mm;
}

INSTANTIATE_TEST_SUITE_P(
    Bands, DailyRainfall,
    ::testing::Values(
        RainCase{7, 9.9, "小雨"}, RainCase{7, 10.0, "中雨"}, RainCase{7, 25.0, "大雨"},
        RainCase{7, 49.9, "大雨"}, RainCase{7, 50.0, "暴雨"}, RainCase{8, 100.0, "大暴雨"},
        RainCase{9, 250.0, "特大暴雨"}, RainCase{9, 1.0, "大雨"}, RainCase{8, 0.0, "中雨"},
        // Showers, thunder and snow keep their kind whatever the total.
        RainCase{3, 80.0, "阵雨"}, RainCase{4, 120.0, "雷阵雨"}, RainCase{16, 60.0, "大雪"}));

TEST(UpstreamDays, NeedEveryValueTheRecordCarries) {
    UpstreamDay day;
    day.date = "2026-12-08";
    day.weatherCode = 61;
    day.low = -0.5;
    day.high = 8.49;
    day.precipitationMm = 2.25;
    day.windSpeedMs = 3.9;
    day.windFromDegrees = 44.0;
    const auto weather = dayWeatherOf(day);
    ASSERT_TRUE(weather);
    EXPECT_EQ(weather->month, 12);
    EXPECT_EQ(weather->day, 8);
    EXPECT_EQ(weather->low, -1);  // halves round away from zero
    EXPECT_EQ(weather->high, 8);
    EXPECT_EQ(weather->kindFirst, 7);
    EXPECT_EQ(weather->kindThen, 7);
    EXPECT_EQ(weather->windDirection, 1);
    EXPECT_EQ(weather->windForce, 1);
    EXPECT_FALSE(weather->comfort.empty());

    for (auto drop : {&UpstreamDay::low, &UpstreamDay::high, &UpstreamDay::precipitationMm,
                      &UpstreamDay::windSpeedMs}) {
        UpstreamDay missing = day;
        missing.*drop = std::nullopt;
        EXPECT_FALSE(dayWeatherOf(missing));
    }
    for (const double absurd : {150.0, -120.0, 1e300}) {
        UpstreamDay broken = day;
        broken.high = absurd;
        EXPECT_FALSE(dayWeatherOf(broken)) << absurd;
    }
    UpstreamDay noCode = day;
    noCode.weatherCode.reset();
    EXPECT_FALSE(dayWeatherOf(noCode));
    UpstreamDay badDate = day;
    badDate.date = "12/08";
    EXPECT_FALSE(dayWeatherOf(badDate));
}

TEST(UpstreamDays, TakeTheChangeOfWeatherFromTheHalves) {
    UpstreamDay day;
    day.date = "2026-12-08";
    day.weatherCode = 95;
    day.firstHalfCode = 2;
    day.secondHalfCode = 95;
    day.low = 10;
    day.high = 20;
    day.precipitationMm = 0.0;
    day.windSpeedMs = 0.1;
    const auto weather = dayWeatherOf(day);
    ASSERT_TRUE(weather);
    EXPECT_EQ(weather->kindFirst, 1);
    EXPECT_EQ(weather->kindThen, 4);
    EXPECT_EQ(weather->windDirection, kCalmDirection);
    EXPECT_EQ(weather->windForce, 0);
}

}  // namespace
}  // namespace service
