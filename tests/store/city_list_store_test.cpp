#include "store/CityListStore.h"

#include <gtest/gtest.h>

#include "StoreFolder.h"
#include "platform/propdb/PropDb.h"
#include "store/UpdateStampStore.h"

using namespace store;

namespace {

UserCityRecord city(std::u16string id, std::u16string name, std::u16string defaultFlag = u"0",
                    std::u16string todayFlag = u"0") {
    return {std::move(id),          u"code" + name,      std::move(name), {}, {},
            std::move(defaultFlag), std::move(todayFlag)};
}

std::vector<std::u16string> names(const std::optional<std::vector<UserCityRecord>>& cities) {
    std::vector<std::u16string> result;
    if (cities)
        for (const auto& c : *cities) result.push_back(c.cityName);
    return result;
}

class ThreeDayList : public StoreFolder {
protected:
    CityListStore list() const { return CityListStore(volumes_, CityList::ThreeDay); }
};

TEST_F(ThreeDayList, SameNameTwiceIsRefusedAndLeavesOneRecord) {
    ASSERT_TRUE(list().add(city(u"1", u"北京")));
    EXPECT_FALSE(list().add(city(u"2", u"北京")));
    EXPECT_EQ(platform::propdb::lastError(), platform::propdb::kErrorAlreadyExists);
    EXPECT_EQ(list().listByDefault()->size(), 1u);
    EXPECT_EQ(list().findByName(u"北京")->cityId, u"1");
}

TEST_F(ThreeDayList, MakingTheThirdCityDefaultPutsItFirstAndClearsTheFormer) {
    ASSERT_TRUE(list().add(city(u"1", u"北京", u"1")));
    ASSERT_TRUE(list().add(city(u"2", u"天津")));
    ASSERT_TRUE(list().add(city(u"3", u"成都")));
    ASSERT_TRUE(list().makeDefault(u"成都"));
    EXPECT_EQ(names(list().listByDefault()),
              (std::vector<std::u16string>{u"成都", u"北京", u"天津"}));
    EXPECT_EQ(list().findByName(u"北京")->defaultFlag, u"0");
    EXPECT_EQ(list().findByName(u"成都")->defaultFlag, u"1");
    // Making the first city default again changes nothing.
    ASSERT_TRUE(list().makeDefault(u"成都"));
    EXPECT_EQ(list().findByName(u"北京")->defaultFlag, u"0");
    EXPECT_FALSE(list().makeDefault(u"广州"));
}

TEST_F(ThreeDayList, HomeScreenCityIsFoundByFlagAndListedFirst) {
    ASSERT_TRUE(list().add(city(u"1", u"北京")));
    ASSERT_TRUE(list().add(city(u"2", u"天津", u"0", u"1")));
    EXPECT_EQ(list().findByTodayFlag(u"1")->cityName, u"天津");
    EXPECT_EQ(names(list().listByToday()), (std::vector<std::u16string>{u"天津", u"北京"}));
    EXPECT_FALSE(CityListStore(volumes_, CityList::Weekly).listByToday());
}

TEST_F(ThreeDayList, UpdateByNameRewritesEveryField) {
    ASSERT_TRUE(list().add(city(u"1", u"北京")));
    UserCityRecord changed = city(u"9", u"北京", u"1", u"1");
    changed.cityCode = u"101010100";
    ASSERT_TRUE(list().updateByName(u"北京", changed));
    EXPECT_EQ(*list().findByName(u"北京"), changed);
    EXPECT_FALSE(list().updateByName(u"上海", changed));
}

TEST_F(ThreeDayList, DeletingACityTakesItsStampRecordWithIt) {
    const UpdateStampStore stamps(volumes_, CityList::ThreeDay);
    ASSERT_TRUE(list().add(city(u"1", u"北京")));
    ASSERT_TRUE(list().add(city(u"2", u"天津")));
    ASSERT_TRUE(stamps.addOrReplace({u"code北京", u"北京", {u"d1"}}));
    ASSERT_TRUE(stamps.addOrReplace({u"code天津", u"天津", {u"d1"}}));

    ASSERT_TRUE(list().removeWithStamp(u"北京"));
    EXPECT_FALSE(list().findByName(u"北京"));
    EXPECT_FALSE(stamps.findByName(u"北京"));
    EXPECT_TRUE(stamps.findByName(u"天津"));

    // A city never updated has no stamp record to delete.
    ASSERT_TRUE(list().add(city(u"3", u"成都")));
    EXPECT_TRUE(list().removeWithStamp(u"成都"));
    EXPECT_FALSE(list().removeWithStamp(u"成都"));
}

TEST_F(StoreFolder, WeeklyAndOnDemandListsAreKeyedByCityId) {
    for (CityList which : {CityList::Weekly, CityList::OnDemand}) {
        const CityListStore list(volumes_, which);
        ASSERT_TRUE(list.add(city(u"1", u"北京")));
        EXPECT_FALSE(list.add(city(u"1", u"北京西")));
        // The same name under another ID is accepted.
        EXPECT_TRUE(list.add(city(u"2", u"北京")));
        EXPECT_TRUE(list.removeWithStamp(u"北京"));
        EXPECT_EQ(names(list.listByDefault()), (std::vector<std::u16string>{u"北京"}));
    }
}

TEST_F(StoreFolder, OnDemandListOrdersByRequestTokenDescending) {
    const CityListStore list(volumes_, CityList::OnDemand);
    ASSERT_TRUE(list.add(city(u"1", u"北京", u"a1b2c3d")));
    ASSERT_TRUE(list.add(city(u"2", u"天津", u"z000000")));
    ASSERT_TRUE(list.add(city(u"3", u"成都", u"0000000")));
    EXPECT_EQ(names(list.listByDefault()),
              (std::vector<std::u16string>{u"天津", u"北京", u"成都"}));
}

}  // namespace
