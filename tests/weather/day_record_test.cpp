#include "weather/DayRecord.h"

#include <gtest/gtest.h>

#include <chrono>

using weather::DayRecord;

TEST(DayRecordWeather, SameKindTwiceIsOneKind) {
    const DayRecord today(u"ci_1*08/18*1*1*28*32*1*2&***1500");
    EXPECT_EQ(today.weatherText(), u"多云");
    EXPECT_EQ(today.weatherPicture(), u"DuoYuen(BT).png");
}

TEST(DayRecordWeather, AChangeOfWeatherShowsBothAndThePictureOfTheSecond) {
    const DayRecord change(u"ci_1*08/18*1*7*20*25*0*0");
    EXPECT_EQ(change.weatherText(), u"多云转小雨");
    EXPECT_EQ(change.weatherPicture(), u"XiaoYu.png");
    // Differing as text counts, even when the codes are equal as numbers.
    EXPECT_EQ(DayRecord(u"t*d*1*01").weatherText(), u"多云转多云");
    // Without a second kind the first stands.
    EXPECT_EQ(DayRecord(u"t*d*3").weatherText(), u"阵雨");
    EXPECT_EQ(DayRecord(u"t*d*3").weatherPicture(), u"ZengYu(BT).png");
}

TEST(DayRecordWeather, UnknownKindsGiveNoTextAndNoPicture) {
    EXPECT_EQ(DayRecord(u"t*d*25*25").weatherText(), u"");
    EXPECT_EQ(DayRecord(u"t*d*25*25").weatherPicture(), u"");
    EXPECT_EQ(DayRecord(u"").weatherText(), u"");
    EXPECT_EQ(DayRecord(u"").weatherPicture(), u"");
}

struct TemperatureCase {
    std::u16string record;
    std::u16string list;
    std::u16string today;
    std::u16string later;
};

class TemperatureForms : public testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureForms, ListAndDetail) {
    const DayRecord r(GetParam().record);
    EXPECT_EQ(r.listTemperature(), GetParam().list);
    EXPECT_EQ(r.detailTemperature(true), GetParam().today);
    EXPECT_EQ(r.detailTemperature(false), GetParam().later);
    EXPECT_EQ(r.hasDetailTemperature(), GetParam().today != u"未知");
}

INSTANTIATE_TEST_SUITE_P(
    Records, TemperatureForms,
    testing::Values(TemperatureCase{u"ci_1*08/18*1*1*28*32*1*2&***1500", u"28～32", u"28/32",
                                    u"28～32"},
                    TemperatureCase{u"ci_1*08/18*1*1", u"请更新查看", u"未知", u"未知"},
                    TemperatureCase{u"ci_1*08/18*1*1*-3", u"-3", u"未知", u"未知"},
                    TemperatureCase{u"ci_1*08/18*1*1*-3*", u"-3", u"-3/", u"-3～"},
                    TemperatureCase{u"ci_1*08/18*1*1**30", u"请更新查看", u"未知", u"未知"},
                    TemperatureCase{u"", u"请更新查看", u"未知", u"未知"}));

TEST(DayRecordWind, NeedsSevenFieldsForTheDirectionAndEightForTheForce) {
    const DayRecord full(u"ci_1*08/18*1*1*28*32*9*9");
    EXPECT_EQ(full.windDirectionText(), u"旋转风");
    EXPECT_EQ(full.windDirectionPicture(), u"XuanZhuanFeng.png");
    EXPECT_EQ(full.windForceText(), u"十一到十二级");
    const DayRecord seven(u"ci_1*08/18*1*1*28*32*4");
    EXPECT_EQ(seven.windDirectionText(), u"南风");
    EXPECT_EQ(seven.windForceText(), u"");
    const DayRecord short_(u"ci_1*08/18*1*1");
    EXPECT_EQ(short_.windDirectionText(), u"");
    EXPECT_EQ(short_.windDirectionPicture(), u"");
}

TEST(DayRecordExtra, IndicesAndRainfallComeFromTheSecondPart) {
    const DayRecord r(u"ci_1*08/18*1*1*28*32*1*2&舒适*短袖*适宜*1500");
    EXPECT_EQ(r.comfortIndex(), u"舒适");
    EXPECT_EQ(r.dressingIndex(), u"短袖");
    EXPECT_EQ(r.exerciseIndex(), u"适宜");
    EXPECT_EQ(r.rainfall(), u"1500");
    EXPECT_EQ(DayRecord(u"ci_1*08/18").rainfall(), u"");
}

TEST(DayRecordDate, UsesTheStampYearForTheWeekday) {
    EXPECT_EQ(DayRecord(u"ci_1*02/12*1").dateText(2010), u"02/12 星期五");
    EXPECT_EQ(DayRecord(u"ci_1*08/18*1").dateText(2009), u"08/18 星期二");
    EXPECT_EQ(DayRecord(u"ci_1**1").dateText(2009), u"");
}

TEST(WeekdayFormula, AgreesWithTheCalendarForEveryDayOfSeveralYears) {
    using namespace std::chrono;
    for (sys_days d = sys_days{2008y / January / 1}; d < sys_days{2013y / January / 1};
         d += days{1}) {
        const year_month_day ymd{d};
        const int monday0 = (weekday{d}.c_encoding() + 6) % 7;
        ASSERT_EQ(
            weather::weekdayIndex(int(ymd.year()), unsigned(ymd.month()), unsigned(ymd.day())),
            monday0)
            << int(ymd.year()) << "-" << unsigned(ymd.month()) << "-" << unsigned(ymd.day());
    }
}

TEST(WeekdayFormula, NonsenseDatesStillGiveAWeekdayInRange) {
    for (const auto& date : {u"-5/-30", u"99999999999/9", u"/", u"13/45", u"01/01"}) {
        const std::u16string text = DayRecord(std::u16string(u"t*") + date).dateText(0);
        EXPECT_TRUE(text.find(u" 星期") != std::u16string::npos) << "date " << text.size();
    }
    for (int y : {0, -1, 2147483647}) {
        for (int m : {-2147483647 - 1, 0, 1, 2, 14, 2147483647}) {
            const int w = weather::weekdayIndex(y, m, 2147483647);
            EXPECT_GE(w, 0);
            EXPECT_LE(w, 6);
        }
    }
}

TEST(StampYear, ReadsTheLeadingDigits) {
    EXPECT_EQ(weather::stampYear(u"2009-07-06 15:31:51"), 2009);
    EXPECT_EQ(weather::stampYear(u""), 0);
    EXPECT_EQ(weather::stampYear(u"x2009"), 0);
    EXPECT_GT(weather::stampYear(u"99999999999999999999"), 0);
}
