#include <gtest/gtest.h>

#include "StoreFolder.h"
#include "store/Catalogue.h"
#include "store/FieldWidth.h"
#include "store/SystemCityStore.h"
#include "store/TableAccessor.h"
#include "store/UpdateStampStore.h"
#include "store/WarningStore.h"

using namespace store;
namespace propdb = platform::propdb;

namespace {

// Opening any table the program creates, in a fresh folder, creates the volume
// and the table with its registered names and orders.
class FreshVolumeCreatesTable : public StoreFolder,
                                public ::testing::WithParamInterface<const TableSchema* (*)()> {};

TEST_P(FreshVolumeCreatesTable, WithCatalogueNamesAndOrders) {
    const TableSchema& schema = *GetParam()();
    const TableRows rows(schema);
    {
        VolumeSession session(volumes_, schema);
        ASSERT_TRUE(session.mounted());
        EXPECT_EQ(rows.count(session), 0u);
        auto listed = rows.list(session, 0);
        ASSERT_TRUE(listed);
        EXPECT_TRUE(listed->empty());
        ASSERT_TRUE(session.close());
    }
    const auto file = schema.volume == VolumeKind::Rainfall ? volumes_.rainfallCityDatabase
                                                            : volumes_.cityDatabase;
    auto volume = propdb::Volume::mount(file, propdb::MountMode::OpenExisting);
    ASSERT_NE(volume, nullptr);
    const auto definition = volume->tableDefinition(schema.name);
    ASSERT_TRUE(definition);
    EXPECT_EQ(definition->sortOrders, schema.orders);
    ASSERT_EQ(definition->properties.size(), schema.fields.size());
    for (std::size_t i = 0; i < schema.fields.size(); ++i) {
        EXPECT_EQ(definition->properties[i].id, propdb::propertyId(i + 1));
        EXPECT_EQ(definition->properties[i].name, schema.fields[i].name);
    }
}

const TableSchema* (*const kProgramTables[])() = {
    [] { return &catalogue::userInformation(); },
    [] { return &catalogue::cityRecord(); },
    [] { return &catalogue::usersAddTeVoWeather(); },
    [] { return &catalogue::usersAddWeatherDemand(); },
    [] { return &catalogue::usersAddWeeklyWeather(); },
    [] { return &catalogue::cityUpdateDateTeVoWeather(); },
    [] { return &catalogue::cityUpdateDateDemand(); },
    [] { return &catalogue::cityUpdateDateWeekly(); },
    [] { return &catalogue::disasWeather(); },
    [] { return &catalogue::fireRemind(); },
    [] { return &catalogue::weatherXuenBao(); },
    [] { return &catalogue::weatherYueBao(); },
    [] { return &catalogue::weatherJiBao(); },
};

INSTANTIATE_TEST_SUITE_P(AllTables, FreshVolumeCreatesTable, ::testing::ValuesIn(kProgramTables),
                         [](const auto& info) {
                             std::string name;
                             for (char16_t c : info.param()->name) name += static_cast<char>(c);
                             return name;
                         });

struct WidthCase {
    std::u16string text;
    unsigned width;
    std::u16string expected;
};

class FieldWidthCut : public ::testing::TestWithParam<WidthCase> {};

TEST_P(FieldWidthCut, KeepsWidthLessOneWithoutSplittingAPair) {
    EXPECT_EQ(fitToWidth(GetParam().text, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldWidthCut,
    ::testing::Values(WidthCase{u"1234567", 7, u"123456"}, WidthCase{u"123456", 7, u"123456"},
                      WidthCase{u"", 4, u""}, WidthCase{u"abc", 0, u""},
                      // U+20BB7 is a surrogate pair; cutting after its first half drops it.
                      WidthCase{u"ab\U00020BB7", 4, u"ab"},
                      WidthCase{u"ab\U00020BB7c", 5, u"ab\U00020BB7"}));

TEST_F(StoreFolder, OverlongTextIsStoredCutToTheFieldWidth) {
    const WarningStore warnings(volumes_, WarningKind::Disaster);
    WarningRecord warning{u"123456789", std::u16string(150, u'题'), std::u16string(1200, u'文'),
                          u"", u"1"};
    ASSERT_TRUE(warnings.add(warning));
    const auto listed = warnings.list();
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 1u);
    EXPECT_EQ(listed->front().id, u"123456");
    EXPECT_EQ(listed->front().title.size(), 99u);
    EXPECT_EQ(listed->front().text.size(), 999u);
    // The cut title is the key the record is found by.
    EXPECT_TRUE(warnings.findByTitle(std::u16string(99, u'题')));
}

TEST_F(StoreFolder, PropertyMissingFromAStoredRecordReadsEmpty) {
    {
        auto volume = propdb::Volume::mount(volumes_.cityDatabase, propdb::MountMode::OpenAlways);
        ASSERT_TRUE(volume->createTable(catalogue::cityUpdateDateWeekly().definition()));
        auto table =
            volume->openTable(u"CityUpdateDateWeekly",
                              catalogue::cityUpdateDateWeekly().orders[catalogue::kUpdateByName]);
        ASSERT_NE(
            table->write(0, {{propdb::propertyId(2), u"成都"}, {propdb::propertyId(4), u"d2"}}), 0);
        ASSERT_TRUE(volume->unmount());
    }
    const auto record = UpdateStampStore(volumes_, CityList::Weekly).findByName(u"成都");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->cityId, u"");
    EXPECT_EQ(record->days[0], u"");
    EXPECT_EQ(record->days[1], u"d2");
}

TEST_F(StoreFolder, WithoutSystemCityVolumeEveryLookupFailsAndNothingIsCreated) {
    const SystemCityStore cities(volumes_);
    EXPECT_FALSE(cities.listAll());
    EXPECT_FALSE(cities.findByName(u"北京"));
    EXPECT_FALSE(cities.lookup(u"bj"));
    EXPECT_FALSE(std::filesystem::exists(volumes_.systemCityDatabase));
}

TEST_F(StoreFolder, HomeScreenItemNeverCreatesTheThreeDayTables) {
    Volumes item = volumes_;
    item.todayItem = true;
    EXPECT_FALSE(UpdateStampStore(item, CityList::ThreeDay).addOrReplace({u"1", u"成都", {}}));
    EXPECT_FALSE(std::filesystem::exists(volumes_.cityDatabase));
    // Once the application has made them, the item reads and writes them.
    ASSERT_TRUE(UpdateStampStore(volumes_, CityList::ThreeDay).list());
    EXPECT_TRUE(UpdateStampStore(item, CityList::ThreeDay).addOrReplace({u"1", u"成都", {}}));
    // Its settings and warnings it creates like the application.
    EXPECT_TRUE(WarningStore(item, WarningKind::Fire).list());
}

}  // namespace
