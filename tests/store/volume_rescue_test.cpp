// A city volume that cannot be read is set aside with the date, never deleted,
// and a fresh volume with the user tables takes its place.

#include "store/VolumeRescue.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "StoreFolder.h"
#include "store/CityListStore.h"
#include "store/UpdateStampStore.h"

namespace fs = std::filesystem;

namespace {

const platform::LocalTime kNow{2026, 12, 7, 9, 30, 5, 1};

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

class VolumeRescueTest : public StoreFolder {
protected:
    store::CityListStore threeDay() { return {volumes_, store::CityList::ThreeDay}; }

    // A real volume holding one city.
    void storeACity() {
        ASSERT_TRUE(threeDay().add({u"1", u"510100", u"成都", u"", u"", u"1", u"1"}));
    }
};

using Damage = std::string (*)(std::string);

struct DamageCase {
    const char* name;
    Damage damage;
};

class DamagedCityVolume : public VolumeRescueTest,
                          public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedCityVolume, IsSetAsideWithTheDateAndAFreshVolumeMade) {
    storeACity();
    const std::string damaged = GetParam().damage(bytesOf(volumes_.cityDatabase));
    writeBytes(volumes_.cityDatabase, damaged);
    writeBytes(fs::path(volumes_.cityDatabase.string() + "-journal"), "hot journal");

    const auto rescue = store::rescueDamagedCityVolume(volumes_, kNow);
    ASSERT_TRUE(rescue);
    EXPECT_EQ(rescue->setAside, folder_ / "CityDatabase.vol.damaged-20261207-093005");
    EXPECT_TRUE(rescue->freshVolume);
    EXPECT_EQ(bytesOf(rescue->setAside), damaged) << "the damaged file is kept as it was";
    EXPECT_EQ(bytesOf(rescue->setAside.string() + "-journal"), "hot journal");
    EXPECT_NE(bytesOf(volumes_.cityDatabase.string() + "-journal"), "hot journal")
        << "the damaged file's journal went with it";

    // The fresh volume works and holds the user tables, empty.
    const auto cities = threeDay().listByDefault();
    ASSERT_TRUE(cities);
    EXPECT_TRUE(cities->empty());
    store::Volumes asTodayItem = volumes_;
    asTodayItem.todayItem = true;
    EXPECT_TRUE(store::UpdateStampStore(asTodayItem, store::CityList::ThreeDay).list());
    EXPECT_FALSE(store::rescueDamagedCityVolume(volumes_, kNow)) << "nothing more to rescue";
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedCityVolume,
    ::testing::Values(DamageCase{"CutShort", [](std::string b) { return b.substr(0, 1000); }},
                      DamageCase{"HeaderOverwritten",
                                 [](std::string b) {
                                     b.replace(0, 16, "garbage garbage!");
                                     return b;
                                 }},
                      DamageCase{"NotAVolume", [](std::string) { return std::string("hello"); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VolumeRescueTest, AReadableOrAbsentVolumeIsLeftAlone) {
    EXPECT_FALSE(store::rescueDamagedCityVolume(volumes_, kNow));
    EXPECT_FALSE(fs::exists(volumes_.cityDatabase));
    storeACity();
    EXPECT_FALSE(store::rescueDamagedCityVolume(volumes_, kNow));
    EXPECT_EQ(threeDay().listByDefault()->size(), 1u);
    for (const auto& entry : fs::directory_iterator(folder_))
        EXPECT_EQ(entry.path().string().find("damaged"), std::string::npos) << entry.path();
}

TEST_F(VolumeRescueTest, AnEarlierRescueOfTheSameSecondIsNotOverwritten) {
    const fs::path first = store::setAsideName(volumes_.cityDatabase, kNow);
    writeBytes(first, "first");
    const fs::path second = store::setAsideName(volumes_.cityDatabase, kNow);
    EXPECT_EQ(second, fs::path(first.string() + "-2"));
}

}  // namespace
