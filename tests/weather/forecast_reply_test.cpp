#include "weather/ForecastReply.h"

#include <gtest/gtest.h>

#include <optional>

using namespace weather;

namespace {

const std::u16string kStamp = u"2009-07-06 15:31:51";
const std::u16string kToday = u"ci_1*08/18*1*1*28*32*1*2&***1500";
const std::u16string kTomorrow = u"ci_1*08/19*1*0*28*34*0*0&**";
const std::u16string kAfter = u"ci_1*08/20*3*3*27*33*0*0&**";

const std::vector<CityRef> kThreeCities{
    {u"101010100", u"北京"}, {u"101020100", u"上海"}, {u"101280101", u"广州"}};

std::array<std::u16string, 7> days(std::initializer_list<std::u16string> given) {
    std::array<std::u16string, 7> result;
    size_t i = 0;
    for (const auto& d : given) result[i++] = d;
    return result;
}

}  // namespace

struct CheckCase {
    std::optional<std::u16string> reply;
    ReplyCheck expected;
};

class ErrorRepliesAreRejectedBeforeSplitting : public testing::TestWithParam<CheckCase> {};

TEST_P(ErrorRepliesAreRejectedBeforeSplitting, Check) {
    EXPECT_EQ(checkForecastReply(GetParam().reply), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ErrorRepliesAreRejectedBeforeSplitting,
    testing::Values(CheckCase{std::nullopt, ReplyCheck::ReadFailed},
                    CheckCase{u"", ReplyCheck::ReadFailed}, CheckCase{u"0", ReplyCheck::NoData},
                    CheckCase{u"-1", ReplyCheck::NoData},
                    CheckCase{u"<html><body>502</body></html>", ReplyCheck::NoData},
                    CheckCase{u"<", ReplyCheck::NoData},
                    // Only the exact texts are error replies.
                    CheckCase{u"00", ReplyCheck::Ok}, CheckCase{u"-10", ReplyCheck::Ok},
                    CheckCase{u" <html>", ReplyCheck::Ok},
                    CheckCase{kStamp + u"`" + kToday + u"$", ReplyCheck::Ok}));

TEST(ReplyCheckMessages, NameTheFailureTheUserSees) {
    EXPECT_EQ(replyCheckMessage(ReplyCheck::ReadFailed), u"网络读取失败");
    EXPECT_EQ(replyCheckMessage(ReplyCheck::NoData), u"无法获取网络数据");
    EXPECT_TRUE(replyCheckMessage(ReplyCheck::Ok).empty());
}

TEST(ListReply, OneCityWithThreeDaysGivesTheStampAndOneRecord) {
    const std::vector<CityRef> one{{u"101010100", u"北京"}};
    const auto update =
        parseForecastReply(kStamp + u"`" + kToday + u"|" + kTomorrow + u"|" + kAfter + u"$", one);
    EXPECT_EQ(update.stamp, kStamp);
    ASSERT_EQ(update.cities.size(), 1u);
    EXPECT_EQ(update.cities[0],
              (CityForecast{u"101010100", u"北京", days({kToday, kTomorrow, kAfter})}));
}

TEST(ListReply, NamesComeFromTheRequestNotFromTheReply) {
    const auto update = parseForecastReply(kStamp + u"`上海*x$", kThreeCities);
    ASSERT_EQ(update.cities.size(), 1u);
    EXPECT_EQ(update.cities[0].name, u"北京");
    EXPECT_EQ(update.cities[0].code, u"101010100");
}

TEST(ListReply, AnEmptyBlockKeepsTheFollowingBlocksWithTheirCities) {
    const auto update = parseForecastReply(kStamp + u"`A$$C$", kThreeCities);
    ASSERT_EQ(update.cities.size(), 2u);
    EXPECT_EQ(update.cities[0].name, u"北京");
    EXPECT_EQ(update.cities[0].days[0], u"A");
    EXPECT_EQ(update.cities[1].name, u"广州");
    EXPECT_EQ(update.cities[1].days[0], u"C");
}

TEST(ListReply, AnUnterminatedLastBlockAndBlocksPastTheListAreIgnored) {
    const std::span<const CityRef> two(kThreeCities.data(), 2);
    EXPECT_EQ(parseForecastReply(kStamp + u"`A$B", two).cities.size(), 1u);
    const auto extra = parseForecastReply(kStamp + u"`A$B$C$D$", two);
    ASSERT_EQ(extra.cities.size(), 2u);
    EXPECT_EQ(extra.cities[1].days[0], u"B");
}

TEST(ListReply, WithoutASectionSeparatorOnlyTheStampIsStored) {
    const auto update = parseForecastReply(u"2009-07-06 15:31:51 A$B$", kThreeCities);
    EXPECT_EQ(update.stamp, u"2009-07-06 15:31:51 A$B$");
    EXPECT_TRUE(update.cities.empty());
}

TEST(ListReply, EveryFurtherSectionStartsAgainWithTheFirstCity) {
    const auto update = parseForecastReply(kStamp + u"`A$B$`C$", kThreeCities);
    ASSERT_EQ(update.cities.size(), 3u);
    EXPECT_EQ(update.cities[2].name, u"北京");
    EXPECT_EQ(update.cities[2].days[0], u"C");
}

TEST(CityBlock, KeepsSevenSlotsAndDropsTheRest) {
    const auto d = splitCityBlock(u"1|2|3|4|5|6|7|8|9");
    EXPECT_EQ(d, days({u"1", u"2", u"3", u"4", u"5", u"6", u"7"}));
    EXPECT_EQ(splitCityBlock(u"1||3"), days({u"1", u"", u"3"}));
}

TEST(CityBlock, CutsLongSlotsToTheStoredFieldLength) {
    const std::u16string longSlot(150, u'x');
    EXPECT_EQ(splitCityBlock(longSlot)[0].size(), kDayFieldLength);
    // A character outside the basic plane is not cut in half.
    const std::u16string astral = std::u16string(99, u'x') + u"😀";
    EXPECT_EQ(splitCityBlock(astral)[0], std::u16string(99, u'x'));
}

TEST(SingleCityReply, EveryNonEmptyBlockBelongsToTheCityAndTheLastStands) {
    const CityRef city{u"101280101", u"广州"};
    const auto update = parseSingleCityReply(kStamp + u"`A$$B$C", city);
    ASSERT_EQ(update.cities.size(), 2u);
    EXPECT_EQ(update.cities[0].days[0], u"A");
    EXPECT_EQ(update.cities.back().days[0], u"B");
    EXPECT_EQ(update.cities.back().name, u"广州");
}
