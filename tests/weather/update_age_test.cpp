#include "weather/UpdateAge.h"

#include <gtest/gtest.h>

namespace {

const platform::LocalTime kNow{2009, 7, 6, 15, 31, 51, 1};

}  // namespace

struct AgeCase {
    std::u16string stamp;
    std::u16string expected;
};

class UpdateAgeReadsTheFirstDifferingField : public testing::TestWithParam<AgeCase> {};

TEST_P(UpdateAgeReadsTheFirstDifferingField, Text) {
    EXPECT_EQ(weather::updateAgeText(GetParam().stamp, kNow), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Stamps, UpdateAgeReadsTheFirstDifferingField,
    testing::Values(
        AgeCase{u"", u"无更新记录"}, AgeCase{u"2008-12-31 23:59:59", u"2008"},
        AgeCase{u"2009-06-30 23:59:00", u"1月前"}, AgeCase{u"2009-06-06 15:31:00", u"1月前"},
        AgeCase{u"2009-07-01 15:31:51", u"5天前"}, AgeCase{u"2009-07-06 12:31:51", u"3小时前"},
        AgeCase{u"2009-07-06 12:59:00", u"3小时前"}, AgeCase{u"2009-07-06 15:26:00", u"5分钟前"},
        AgeCase{u"2009-07-06 15:31:00", u"0分钟前"}, AgeCase{u"2009-07-06 15:31", u"0分钟前"},
        // A service clock ahead of the device never reads as a negative age.
        AgeCase{u"2009-07-06 15:40:00", u"0分钟前"}, AgeCase{u"2009-07-06 16:01:00", u"0分钟前"},
        AgeCase{u"2010-01-01 00:00:00", u"0分钟前"},
        // Unreadable stamps read as zeros: year 0.
        AgeCase{u"garbage", u"0"}));
