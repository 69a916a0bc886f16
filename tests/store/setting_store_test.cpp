#include "store/SettingStore.h"

#include <gtest/gtest.h>

#include "StoreFolder.h"
#include "store/CityRowList.h"

using namespace store;

namespace {

class Settings : public StoreFolder {
protected:
    SettingStore store() const { return SettingStore(volumes_); }
};

TEST_F(Settings, ClientCodeIsMadeOnceAndKept) {
    const std::u16string first = store().clientCode();
    ASSERT_EQ(first.size(), 7u);
    for (char16_t c : first) EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z'));
    EXPECT_EQ(store().clientCode(), first);
    const auto stored = store().findById(kClientCodeSettingId);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->settingName, kClientCodeSettingName);
    EXPECT_EQ(stored->value, first);
}

TEST_F(Settings, EmptyStoredCodeIsReplaced) {
    ASSERT_TRUE(store().store({kClientCodeSettingId, kClientCodeSettingName, {}, {}, {}}));
    const std::u16string code = store().clientCode();
    EXPECT_EQ(code.size(), 7u);
    EXPECT_EQ(store().findByName(kClientCodeSettingName)->value, code);
}

TEST_F(Settings, StoringASettingTwiceKeepsOneRecordWithTheLaterValue) {
    ASSERT_TRUE(
        store().store({kUpdateTimesSettingId, kUpdateTimesSettingName, u"1", {}, u"08:00"}));
    ASSERT_TRUE(
        store().store({kUpdateTimesSettingId, kUpdateTimesSettingName, u"1", {}, u"09:30"}));
    EXPECT_EQ(store().findByName(kUpdateTimesSettingName)->longValue, u"09:30");
    EXPECT_EQ(store().findById(kUpdateTimesSettingId)->longValue, u"09:30");
    EXPECT_FALSE(store().findById(kBackgroundSettingId));
    EXPECT_FALSE(store().updateByName(kBackgroundSettingName, {}));
}

TEST(CityRows, MoveRemoveReplaceAndAppendOnlyNewCities) {
    CityRowList rows;
    EXPECT_FALSE(rows.moveFoundToFront());
    EXPECT_TRUE(rows.appendCity(u"北京"));
    EXPECT_TRUE(rows.appendCity(u"天津"));
    EXPECT_TRUE(rows.appendCity(u"成都"));
    EXPECT_FALSE(rows.appendCity(u"天津"));
    EXPECT_EQ(rows[1], (CityRow{u"天津", u"a.png", u"请更新查看", u""}));

    ASSERT_TRUE(rows.find(u"成都"));
    ASSERT_TRUE(rows.moveFoundToFront());
    EXPECT_EQ(rows[0].cityName, u"成都");
    EXPECT_EQ(rows[1].cityName, u"北京");
    EXPECT_EQ(rows[2].cityName, u"天津");

    ASSERT_TRUE(rows.replace(u"北京", {u"北京", u"QingTian.png", u"晴", u"28～32"}));
    EXPECT_EQ(rows[1].firstLine, u"晴");
    EXPECT_FALSE(rows.moveToFront(u"广州"));
    ASSERT_TRUE(rows.remove(u"成都"));
    EXPECT_FALSE(rows.remove(u"成都"));
    // The row found before a removal is not moved by mistake afterwards.
    EXPECT_FALSE(rows.moveFoundToFront());
    EXPECT_EQ(rows.size(), 2u);
    rows.clear();
    EXPECT_TRUE(rows.empty());
}

}  // namespace
