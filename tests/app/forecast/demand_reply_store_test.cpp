#include "app/forecast/DemandReplyStore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/forecast/CityListModel.h"
#include "store/CityListStore.h"

namespace {

namespace fs = std::filesystem;

// Guards against storing a block under the wrong city, storing the "-2" marker
// or losing a token whose city got no data.
class DemandReplyMatchesBlocksByCode : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("demand_reply_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        volumes_ = store::Volumes::inFolder(folder_);
        const store::CityListStore list(volumes_, store::CityList::OnDemand);
        ASSERT_TRUE(list.add({u"1", u"510100", u"成都", u"", u"", u"tok0001", u"0"}));
        ASSERT_TRUE(list.add({u"2", u"110000", u"北京", u"", u"", u"tok0002", u"0"}));
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    store::Volumes volumes_;
};

TEST_F(DemandReplyMatchesBlocksByCode, StoresKnownCitiesSkipsMarkersAndStrangers) {
    app::CityListModel model(app::ForecastListKind::demand(), volumes_);
    model.reload(false);
    const std::u16string reply =
        u"2026-12-07 09:30:00`110000*08/18*1*1*28*32*1*2&***|110000*08/19*0*0*2*9*0*0&**$-2$"
        u"999999*08/18*1*1*1*2*0*0&**$$";
    const auto result = app::DemandReplyStore::store(reply, model);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.stored, std::vector<std::u16string>{u"北京"});

    const auto& stamps = model.stampStore();
    EXPECT_EQ(stamps.stamp(), u"2026-12-07 09:30:00");
    const auto beijing = stamps.findByName(u"北京");
    ASSERT_TRUE(beijing.has_value());
    EXPECT_EQ(beijing->cityId, u"110000");
    EXPECT_EQ(beijing->days[1], u"110000*08/19*0*0*2*9*0*0&**");
    EXPECT_FALSE(stamps.findByName(u"成都").has_value());
    EXPECT_EQ(stamps.list()->size(), 2u);  // the stamp and 北京

    const store::CityListStore list(volumes_, store::CityList::OnDemand);
    EXPECT_EQ(list.findByName(u"北京")->defaultFlag, u"");
    EXPECT_EQ(list.findByName(u"成都")->defaultFlag, u"tok0001");
}

}  // namespace
