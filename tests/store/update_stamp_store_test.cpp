#include "store/UpdateStampStore.h"

#include <gtest/gtest.h>

#include "StoreFolder.h"
#include "store/CityListStore.h"

using namespace store;

namespace {

const std::u16string kStamp = u"2009-07-06 15:31:51";
const std::u16string kDay1 = u"ci_1*08/18*1*1*28*32*1*2&***1500";
const std::u16string kDay2 = u"ci_1*08/19*1*0*28*34*0*0&**";
const std::u16string kDay3 = u"ci_1*08/20*3*3*27*33*0*0&**";

UserCityRecord city(std::u16string code, std::u16string name) {
    return {u"id" + code, std::move(code), std::move(name), {}, {}, u"0", u"0"};
}

class StoringAReply : public StoreFolder {
protected:
    UpdateStampStore stamps() const { return UpdateStampStore(volumes_, CityList::ThreeDay); }
    std::vector<UserCityRecord> cities_{city(u"101", u"北京"), city(u"102", u"天津"),
                                        city(u"103", u"成都")};
};

TEST_F(StoringAReply, OneCityReplyStoresStampAndThreeDays) {
    const std::u16string reply = kStamp + u"`" + kDay1 + u"|" + kDay2 + u"|" + kDay3 + u"$";
    ASSERT_TRUE(stamps().storeReply(reply, std::span(cities_).first(1)));

    EXPECT_EQ(stamps().stamp(), kStamp);
    const auto beijing = stamps().findByName(u"北京");
    ASSERT_TRUE(beijing);
    EXPECT_EQ(beijing->cityId, u"101");  // the code, not the ID
    EXPECT_EQ(beijing->days[0], kDay1);
    EXPECT_EQ(beijing->days[2], kDay3);
    // Fewer than seven day records leave the rest empty.
    EXPECT_EQ(beijing->days[3], u"");
    EXPECT_EQ(beijing->days[6], u"");
    EXPECT_EQ(stamps().list()->size(), 2u);
}

TEST_F(StoringAReply, EmptyBlockLeavesItsCityUntouched) {
    ASSERT_TRUE(stamps().addOrReplace({u"102", u"天津", {u"old"}}));
    ASSERT_TRUE(stamps().storeReply(kStamp + u"`" + kDay1 + u"$$" + kDay3 + u"$", cities_));
    EXPECT_EQ(stamps().findByName(u"北京")->days[0], kDay1);
    EXPECT_EQ(stamps().findByName(u"天津")->days[0], u"old");
    EXPECT_EQ(stamps().findByName(u"成都")->days[0], kDay3);
}

TEST_F(StoringAReply, UnterminatedBlockIsNotStored) {
    ASSERT_TRUE(stamps().storeReply(kStamp + u"`" + kDay1 + u"$" + kDay2, cities_));
    EXPECT_TRUE(stamps().findByName(u"北京"));
    EXPECT_FALSE(stamps().findByName(u"天津"));
}

TEST_F(StoringAReply, NewReplyReplacesStampAndCityRecords) {
    ASSERT_TRUE(stamps().storeReply(kStamp + u"`" + kDay1 + u"|" + kDay2 + u"$", cities_));
    ASSERT_TRUE(stamps().storeReply(u"2009-07-07 08:00:00`" + kDay3 + u"$", cities_));
    EXPECT_EQ(stamps().stamp(), u"2009-07-07 08:00:00");
    const auto beijing = stamps().findByName(u"北京");
    EXPECT_EQ(beijing->days[0], kDay3);
    EXPECT_EQ(beijing->days[1], u"");  // a replaced record keeps no old day
    EXPECT_EQ(stamps().list()->size(), 2u);
}

TEST_F(StoringAReply, SingleCityFormKeepsTheLastBlock) {
    const UpdateStampStore weekly(volumes_, CityList::Weekly);
    ASSERT_TRUE(
        weekly.storeSingleCityReply(kStamp + u"`" + kDay1 + u"$" + kDay2 + u"$", cities_[2]));
    EXPECT_EQ(weekly.findByName(u"成都")->days[0], kDay2);
    // Each list keeps its own stamps.
    EXPECT_FALSE(stamps().stamp());
}

TEST_F(StoringAReply, ReplyWithoutSectionsStoresOnlyTheStamp) {
    ASSERT_TRUE(stamps().storeReply(kStamp, cities_));
    EXPECT_EQ(stamps().stamp(), kStamp);
    EXPECT_EQ(stamps().list()->size(), 1u);
}

TEST_F(StoringAReply, StampRecordNeverEntersTheCityList) {
    const CityListStore list(volumes_, CityList::ThreeDay);
    for (const auto& c : cities_) ASSERT_TRUE(list.add(c));
    ASSERT_TRUE(stamps().storeReply(kStamp + u"`" + kDay1 + u"$", cities_));
    EXPECT_EQ(list.listByDefault()->size(), 3u);
    EXPECT_FALSE(list.findByName(u"更新时间"));
}

TEST_F(StoringAReply, DayRecordsLongerThanTheFieldAreCut) {
    const std::u16string longDay(130, u'x');
    ASSERT_TRUE(stamps().storeReply(kStamp + u"`" + longDay + u"$", cities_));
    EXPECT_EQ(stamps().findByName(u"北京")->days[0], std::u16string(99, u'x'));
}

}  // namespace
