#include "weather/CodeTables.h"

#include <gtest/gtest.h>

using namespace weather;

struct KindCase {
    int code;
    std::u16string_view text;
    std::u16string_view picture;
};

class WeatherKindTable : public testing::TestWithParam<KindCase> {};

TEST_P(WeatherKindTable, TextAndPicture) {
    EXPECT_EQ(weatherKindText(GetParam().code), GetParam().text);
    EXPECT_EQ(weatherKindPicture(GetParam().code), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, WeatherKindTable,
                         testing::Values(KindCase{-1, u"", u""},
                                         KindCase{0, u"晴", u"Qing(BT).png"},
                                         KindCase{24, u"暴雨到大暴雨", u"BaoYuDaoDaBaoYu.png"},
                                         KindCase{25, u"", u""},
                                         KindCase{26, u"小雪到中雪", u"XiaoXueDaoZhongXue.png"},
                                         KindCase{31, u"强沙尘暴", u"QiangShaChengBao.png"},
                                         KindCase{32, u"", u""}, KindCase{2147483647, u"", u""}));

TEST(WindTables, CoverCodesZeroToNineOnly) {
    EXPECT_EQ(windDirectionText(9), u"旋转风");
    EXPECT_EQ(windDirectionPicture(9), u"XuanZhuanFeng.png");
    EXPECT_EQ(windDirectionText(0), u"无风向");
    EXPECT_EQ(windDirectionText(10), u"");
    EXPECT_EQ(windDirectionPicture(10), u"");
    EXPECT_EQ(windDirectionPicture(-1), u"");
    EXPECT_EQ(windForceText(0), u"微风");
    EXPECT_EQ(windForceText(9), u"十一到十二级");
    EXPECT_EQ(windForceText(10), u"");
}

TEST(WeekdayText, StartsWithABlankAndMonday) {
    EXPECT_EQ(weekdayText(0), u" 星期一");
    EXPECT_EQ(weekdayText(6), u" 星期日");
    EXPECT_EQ(weekdayText(7), u"");
    EXPECT_EQ(weekdayText(-1), u"");
}

TEST(WeatherPhrase, OneCodeOrAChangeOfTwo) {
    EXPECT_EQ(weatherPhrase(u"1-7"), u"多云转小雨");
    EXPECT_EQ(weatherPhrase(u""), u"晴");
    EXPECT_EQ(weatherPhrase(u"9"), u"大雨");
    EXPECT_EQ(weatherPhrase(u"0-"), u"晴转晴");
    EXPECT_EQ(weatherPhrase(u"25"), u"");
}

TEST(PictureFolders, EndWithASeparatorSoNamesCanBeAppended) {
    EXPECT_EQ(kWeatherPictureFolder.back(), u'\\');
    EXPECT_EQ(kWindPictureFolder.back(), u'\\');
}
