#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "StoreFolder.h"
#include "store/Catalogue.h"
#include "store/RegionStore.h"
#include "store/SystemCityStore.h"
#include "store/TableAccessor.h"

using namespace store;

namespace {

// A system city volume with cities whose initials clash; the one with the
// smaller City ID is added last.
class CityLookup : public StoreFolder {
protected:
    void SetUp() override {
        StoreFolder::SetUp();
        std::ofstream(volumes_.systemCityDatabase).close();
        const TableAccessor<SystemCityRecord> table(volumes_, catalogue::systemCityTable());
        VolumeSession session = table.session();
        for (const auto& city :
             std::vector<SystemCityRecord>{{u"100004", u"CD", u"承德", u"130800"},
                                           {u"100001", u"BJ", u"北京", u"110000"},
                                           {u"100003", u"CD", u"成都", u"510100"}})
            ASSERT_TRUE(table.add(session, city));
        ASSERT_TRUE(session.close());
    }
    SystemCityStore cities() const { return SystemCityStore(volumes_); }
};

struct Typed {
    std::u16string text;
    std::u16string expectedName;  // empty: no hit
};

class TypedLookup : public CityLookup, public ::testing::WithParamInterface<Typed> {};

TEST_P(TypedLookup, FindsByInitialsOrExactName) {
    const auto hit = cities().lookup(GetParam().text);
    if (GetParam().expectedName.empty()) {
        EXPECT_FALSE(hit);
    } else {
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->cityName, GetParam().expectedName);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedLookup,
    ::testing::Values(Typed{u"BJ", u"北京"}, Typed{u"bj", u"北京"}, Typed{u"bJ", u"北京"},
                      // Shared initials: the first in City ID order, not in added order.
                      Typed{u"cd", u"成都"}, Typed{u"成都", u"成都"}, Typed{u"成都市", u""},
                      Typed{u"B", u""}, Typed{u"", u""}, Typed{u"XX", u""}));

TEST_F(CityLookup, ListsByCityIdAndMakesListRecords) {
    const auto all = cities().listAll();
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 3u);
    EXPECT_EQ(all->front().cityId, u"100001");
    const UserCityRecord record = toUserCity(*cities().findByName(u"承德"));
    EXPECT_EQ(record.cityId, u"100004");
    EXPECT_EQ(record.cityCode, u"130800");
    EXPECT_EQ(record.cityName, u"承德");
}

TEST_F(StoreFolder, RegionTreeIsBrowsedByProvinceAndScenicSpot) {
    const RegionStore regions(volumes_);
    for (const auto& entry :
         std::vector<RegionRecord>{{u"999999", u"110000", u"北京", u"", u"1"},
                                   {u"999998", u"510000", u"四川", u"", u"1"},
                                   {u"999549", u"11990001", u"故宫博物院", u"999999", u"3"},
                                   {u"999547", u"510100", u"成都", u"999998", u"2"},
                                   {u"999548", u"51990001", u"九寨沟", u"999998", u"3"}})
        ASSERT_TRUE(regions.add(entry));
    const auto tree = regions.list();
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->front().cityId, u"999999");  // ID descending

    const auto provinces = RegionStore::provinces(*tree);
    ASSERT_EQ(provinces.size(), 2u);
    EXPECT_EQ(provinces[1].cityName, u"四川");
    EXPECT_EQ(toUserCity(*regions.findByName(u"故宫博物院")).cityCode, u"11990001");
}

TEST(ShippedVolumes, HoldTheReferenceTables) {
    const char* binary = std::getenv("TEVALO_BINARY_DIR");
    if (!binary) GTEST_SKIP() << "TEVALO_BINARY_DIR not set";
    const Volumes shipped = Volumes::inFolder(std::filesystem::path(binary) / "payload");
    if (!std::filesystem::exists(shipped.systemCityDatabase))
        GTEST_SKIP() << "reference volumes not built";
    const auto all = SystemCityStore(shipped).listAll();
    ASSERT_TRUE(all);
    EXPECT_GE(all->size(), 5u);
    EXPECT_TRUE(SystemCityStore(shipped).lookup(u"bj"));
    const auto tree = RegionStore(shipped).list();
    ASSERT_TRUE(tree);
    EXPECT_FALSE(RegionStore::provinces(*tree).empty());
}

}  // namespace
