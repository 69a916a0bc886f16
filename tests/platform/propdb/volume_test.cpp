#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "platform/propdb/PropDb.h"

using namespace platform::propdb;
namespace fs = std::filesystem;

namespace {

// One folder per test, named so that it is a single folder also for the
// "Case/Param" names of parameterised tests.
fs::path freshFolder(std::string name) {
    for (char& c : name)
        if (c == '/') c = '_';
    const fs::path folder =
        fs::temp_directory_path() / ("propdb_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const SortOrder kByNameUnique{propertyId(1), true, SortFlag::NonNull};
const SortOrder kByFlagDesc{propertyId(2), false, SortFlag::Descending};
const SortOrder kByCodeUnique{propertyId(3), true, SortFlag::Descending};

TableDefinition cities() {
    return {u"Cities",
            0,
            {kByNameUnique, kByFlagDesc, kByCodeUnique},
            {{propertyId(1), u"名"}, {propertyId(2), u"标志"}, {propertyId(3), u"代码"}}};
}

PropertyList city(std::u16string name, std::u16string flag, std::u16string code) {
    return {{propertyId(1), std::move(name)},
            {propertyId(2), std::move(flag)},
            {propertyId(3), std::move(code)}};
}

std::u16string valueOf(const PropertyList& properties, unsigned number) {
    for (const auto& p : properties)
        if (p.id == propertyId(number)) return p.value;
    return u"<absent>";
}

class VolumeTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        file_ = folder_ / "sub" / "Test.vol";
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::unique_ptr<Volume> mountWithCities() {
        auto volume = Volume::mount(file_, MountMode::OpenAlways);
        if (volume && !volume->tableDefinition(u"Cities")) volume->createTable(cities());
        return volume;
    }

    std::vector<std::u16string> namesIn(const SortOrder& order) {
        auto volume = Volume::mount(file_, MountMode::OpenExisting);
        auto table = volume->openTable(u"Cities", order);
        std::vector<std::u16string> names;
        const auto records = table->readAll();
        for (const auto& record : *records) names.push_back(valueOf(record.properties, 1));
        return names;
    }

    fs::path folder_;
    fs::path file_;
};

TEST_F(VolumeTest, OpenExistingOnMissingFileFailsAndCreatesNothing) {
    EXPECT_EQ(Volume::mount(file_, MountMode::OpenExisting), nullptr);
    EXPECT_EQ(lastError(), kErrorFileNotFound);
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(VolumeTest, CreatedTableKeepsItsDefinitionAcrossMounts) {
    {
        auto volume = mountWithCities();
        ASSERT_NE(volume, nullptr);
        EXPECT_FALSE(volume->createTable(cities()));
        EXPECT_EQ(lastError(), kErrorAlreadyExists);
        ASSERT_TRUE(volume->unmount());
    }
    auto volume = Volume::mount(file_, MountMode::OpenExisting);
    ASSERT_NE(volume, nullptr);
    const auto definition = volume->tableDefinition(u"Cities");
    ASSERT_TRUE(definition);
    EXPECT_EQ(definition->sortOrders, cities().sortOrders);
    ASSERT_EQ(definition->properties.size(), 3u);
    EXPECT_EQ(definition->properties[1].name, u"标志");
}

TEST_F(VolumeTest, OpeningMissingTableOrForeignOrderFails) {
    auto volume = mountWithCities();
    EXPECT_EQ(volume->openTable(u"Nope", kByNameUnique), nullptr);
    EXPECT_EQ(lastError(), kErrorFileNotFound);
    EXPECT_EQ(volume->openTable(u"Cities", SortOrder{propertyId(2), true, SortFlag::Descending}),
              nullptr);
    EXPECT_EQ(lastError(), kErrorInvalidParameter);
}

TEST_F(VolumeTest, EveryUniqueOrderIsEnforcedWhateverOrderIsOpen) {
    auto volume = mountWithCities();
    auto table = volume->openTable(u"Cities", kByFlagDesc);
    ASSERT_NE(table->write(0, city(u"北京", u"1", u"101")), 0);
    EXPECT_EQ(table->write(0, city(u"北京", u"0", u"102")), 0);
    EXPECT_EQ(lastError(), kErrorAlreadyExists);
    EXPECT_EQ(table->write(0, city(u"天津", u"0", u"101")), 0);
    EXPECT_EQ(lastError(), kErrorAlreadyExists);
    // The non-unique flag may repeat, and a record may be rewritten with its own keys.
    const RecordId tianjin = table->write(0, city(u"天津", u"1", u"102"));
    ASSERT_NE(tianjin, 0);
    EXPECT_EQ(table->write(tianjin, city(u"天津", u"0", u"102")), tianjin);
    EXPECT_EQ(table->recordCount(), 2u);
}

TEST_F(VolumeTest, NonNullOrderRefusesEmptyOrMissingKey) {
    auto volume = mountWithCities();
    auto table = volume->openTable(u"Cities", kByNameUnique);
    EXPECT_EQ(table->write(0, city(u"", u"1", u"1")), 0);
    EXPECT_EQ(lastError(), kErrorInvalidParameter);
    EXPECT_EQ(table->write(0, {{propertyId(3), u"9"}}), 0);
    EXPECT_EQ(lastError(), kErrorInvalidParameter);
    EXPECT_EQ(table->recordCount(), 0u);
}

TEST_F(VolumeTest, DescendingListsGreatestFirstAndTiesInInsertionOrder) {
    {
        auto volume = mountWithCities();
        auto table = volume->openTable(u"Cities", kByNameUnique);
        for (const auto& [name, flag] : std::vector<std::pair<std::u16string, std::u16string>>{
                 {u"c", u"0"}, {u"a", u"1"}, {u"d", u"0"}, {u"b", u"0"}})
            ASSERT_NE(table->write(0, city(name, flag, name)), 0);
        ASSERT_TRUE(volume->unmount());
    }
    EXPECT_EQ(namesIn(kByFlagDesc), (std::vector<std::u16string>{u"a", u"c", u"d", u"b"}));
    EXPECT_EQ(namesIn(kByNameUnique), (std::vector<std::u16string>{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(namesIn(kByCodeUnique), (std::vector<std::u16string>{u"d", u"c", u"b", u"a"}));
}

TEST_F(VolumeTest, SeekReadWriteAndDeleteWorkOnTheCurrentRecord) {
    auto volume = mountWithCities();
    auto table = volume->openTable(u"Cities", kByNameUnique);
    ASSERT_NE(table->write(0, {{propertyId(1), u"成都"}}), 0);
    ASSERT_NE(table->write(0, city(u"上海", u"0", u"2")), 0);

    ASSERT_TRUE(table->seekEqual(u"成都"));
    auto read = table->read();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), 1u);  // a property never written is absent
    // Writing some properties of a record keeps the others.
    ASSERT_NE(table->write(table->currentRecord(), {{propertyId(3), u"7"}}), 0);
    read = table->read();
    EXPECT_EQ(valueOf(*read, 1), u"成都");
    EXPECT_EQ(valueOf(*read, 3), u"7");

    ASSERT_TRUE(table->seekIndex(1));
    read = table->read();
    EXPECT_EQ(valueOf(*read, 1), u"成都");
    EXPECT_FALSE(table->seekIndex(2));
    EXPECT_EQ(lastError(), kErrorNotFound);
    EXPECT_FALSE(table->seekEqual(u"广州"));
    EXPECT_EQ(lastError(), kErrorNotFound);

    ASSERT_TRUE(table->seekEqual(u"上海"));
    ASSERT_TRUE(table->deleteCurrent());
    EXPECT_EQ(table->recordCount(), 1u);
    EXPECT_FALSE(table->deleteCurrent());
}

TEST_F(VolumeTest, DroppingAVolumeWithoutUnmountKeepsNothingOfItsWork) {
    {
        auto volume = mountWithCities();
        volume->unmount();
    }
    {
        auto volume = Volume::mount(file_, MountMode::OpenExisting);
        ASSERT_NE(volume->openTable(u"Cities", kByNameUnique)->write(0, city(u"a", u"0", u"1")), 0);
    }
    auto volume = Volume::mount(file_, MountMode::OpenExisting);
    EXPECT_EQ(volume->openTable(u"Cities", kByNameUnique)->recordCount(), 0u);
}

TEST_F(VolumeTest, PlainSqliteShowsTablesAsColumnsAndCatalogue) {
    {
        auto volume = mountWithCities();
        volume->openTable(u"Cities", kByNameUnique)->write(0, city(u"北京", u"1", u"101"));
        ASSERT_TRUE(volume->unmount());
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file_.c_str(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db,
                                 "SELECT p1, p2, p3, (SELECT group_concat(name) FROM "
                                 "propdb_properties WHERE table_name = 'Cities') FROM Cities",
                                 -1, &statement, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "北京");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 2)), "101");
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 3)), "名,标志,代码");
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

// A file that is not a volume fails every mount and is never replaced.
struct DamagedFile {
    const char* name;
    void (*damage)(const fs::path& file);
};

class DamagedVolumeIsNeverReplaced : public VolumeTest,
                                     public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedVolumeIsNeverReplaced, MountFailsAndBytesStay) {
    {
        auto volume = mountWithCities();
        auto table = volume->openTable(u"Cities", kByNameUnique);
        for (int i = 0; i < 200; ++i)
            table->write(0, city(u"city" + std::u16string(1, u'A' + i % 26) +
                                     std::u16string(i / 26 + 1, u'x'),
                                 u"0", u"c"));
        ASSERT_TRUE(volume->unmount());
    }
    GetParam().damage(file_);
    const std::string before = fileBytes(file_);

    for (auto mode : {MountMode::OpenAlways, MountMode::OpenExisting}) {
        auto volume = Volume::mount(file_, mode);
        if (volume) {
            // A damage the header does not show surfaces on first use.
            auto table = volume->openTable(u"Cities", kByNameUnique);
            if (table) {
                EXPECT_FALSE(table->readAll());
            }
        } else {
            EXPECT_EQ(lastError(), kErrorBadFormat);
        }
    }
    EXPECT_EQ(fileBytes(file_), before);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedVolumeIsNeverReplaced,
    ::testing::Values(DamagedFile{"TextFile",
                                  [](const fs::path& f) {
                                      std::ofstream(f) << "not a volume at all\n";
                                  }},
                      DamagedFile{"Truncated", [](const fs::path& f) { fs::resize_file(f, 1500); }},
                      DamagedFile{"ForeignDatabase",
                                  [](const fs::path& f) {
                                      fs::remove(f);
                                      sqlite3* db = nullptr;
                                      sqlite3_open(f.c_str(), &db);
                                      sqlite3_exec(
                                          db, "CREATE TABLE mine(x); INSERT INTO mine VALUES(1)",
                                          nullptr, nullptr, nullptr);
                                      sqlite3_close(db);
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

// Read-only mounts share the volume: readers never wait on each other, and
// they create or change nothing.
class ReadOnlyMount : public VolumeTest {
protected:
    void fillCities() {
        auto volume = mountWithCities();
        auto table = volume->openTable(u"Cities", kByNameUnique);
        ASSERT_NE(table->write(0, city(u"北京", u"1", u"101")), 0);
        ASSERT_TRUE(volume->unmount());
    }
    // A read-only mount with its table positioned on 北京; null when that failed.
    std::pair<std::unique_ptr<Volume>, std::unique_ptr<Table>> readerOnBeijing() {
        auto volume = Volume::mount(file_, MountMode::OpenExisting, MountAccess::ReadOnly);
        auto table = volume ? volume->openTable(u"Cities", kByNameUnique) : nullptr;
        if (!table || !table->seekEqual(u"北京")) return {};
        return {std::move(volume), std::move(table)};
    }
};

TEST_F(ReadOnlyMount, ReadersMountTogetherWhileOneHoldsItsMount) {
    fillCities();
    auto [first, firstTable] = readerOnBeijing();
    ASSERT_NE(firstTable, nullptr);

    // A second reader (another connection, as another process) gets in at once;
    // with the write lock taken at mount it would wait out the busy time-out.
    auto [second, table] = readerOnBeijing();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(valueOf(*table->read(), 3), u"101");
    table.reset();
    EXPECT_TRUE(second->unmount());
    firstTable.reset();
    EXPECT_TRUE(first->unmount());
}

TEST_F(ReadOnlyMount, RefusesEveryWrite) {
    fillCities();
    auto [volume, table] = readerOnBeijing();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->write(0, city(u"天津", u"0", u"102")), 0);
    EXPECT_EQ(lastError(), kErrorAccessDenied);
    EXPECT_FALSE(table->deleteCurrent());
    EXPECT_EQ(lastError(), kErrorAccessDenied);
    auto other = cities();
    other.name = u"Other";
    EXPECT_FALSE(volume->createTable(other));
    EXPECT_EQ(lastError(), kErrorAccessDenied);
    table.reset();
    EXPECT_TRUE(volume->unmount());
    EXPECT_EQ(namesIn(kByNameUnique), std::vector<std::u16string>{u"北京"});
}

TEST_F(ReadOnlyMount, FindsNothingWhereNothingIsAndCreatesNothing) {
    EXPECT_EQ(Volume::mount(file_, MountMode::OpenAlways, MountAccess::ReadOnly), nullptr);
    EXPECT_EQ(lastError(), kErrorFileNotFound);
    EXPECT_FALSE(fs::exists(file_));

    fs::create_directories(file_.parent_path());
    std::ofstream(file_).close();  // an empty file becomes a volume on first write
    {
        auto volume = Volume::mount(file_, MountMode::OpenAlways, MountAccess::ReadOnly);
        ASSERT_NE(volume, nullptr);
        EXPECT_EQ(volume->openTable(u"Cities", kByNameUnique), nullptr);
        EXPECT_EQ(lastError(), kErrorFileNotFound);
        EXPECT_TRUE(volume->unmount());
    }
    EXPECT_EQ(fs::file_size(file_), 0u);
}

// Readers reuse the definitions an earlier reader of the same file found; a
// volume replaced on disk, or removed and made again, is read afresh.
TEST_F(ReadOnlyMount, SeesTheDefinitionOfAVolumeReplacedOnDisk) {
    fillCities();
    ASSERT_NE(readerOnBeijing().second, nullptr);  // the definition is known now

    const auto replaceWith = [&](const TableDefinition& definition, const fs::path& made) {
        {
            auto volume = Volume::mount(made, MountMode::OpenAlways);
            ASSERT_TRUE(volume && volume->createTable(definition) && volume->unmount());
        }
        fs::rename(made, file_);
    };
    auto narrower = cities();
    narrower.properties.pop_back();
    narrower.sortOrders.pop_back();
    const auto propertiesSeen = [&] {
        auto volume = Volume::mount(file_, MountMode::OpenExisting, MountAccess::ReadOnly);
        const auto definition = volume ? volume->tableDefinition(u"Cities") : std::nullopt;
        return definition ? definition->properties.size() : 0u;
    };
    replaceWith(narrower, folder_ / "New.vol");
    EXPECT_EQ(propertiesSeen(), 2u);
    EXPECT_EQ(propertiesSeen(), 2u);

    fs::remove(file_);  // removed and made again under the same name
    replaceWith(cities(), folder_ / "Again.vol");
    EXPECT_EQ(propertiesSeen(), 3u);
}

// What a killed writer leaves beside a volume is settled by SQLite itself.
TEST_F(VolumeTest, RecoveringDiscardsAJournalWhoseVolumeIsGoneAndLeavesNoVolume) {
    fs::create_directories(file_.parent_path());
    const fs::path journal = fs::path(file_).concat("-journal");
    std::ofstream(journal, std::ios::binary) << std::string(512, '\x7');
    EXPECT_TRUE(Volume::recover(file_));
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(VolumeTest, RecoveringAVolumeWithoutJournalChangesNothing) {
    {
        auto volume = mountWithCities();
        ASSERT_TRUE(volume->unmount());
    }
    const std::string before = fileBytes(file_);
    EXPECT_TRUE(Volume::recover(file_));
    EXPECT_EQ(fileBytes(file_), before);
    EXPECT_TRUE(Volume::recover(folder_ / "Nothing.vol"));
    EXPECT_FALSE(fs::exists(folder_ / "Nothing.vol"));
}

TEST(VolumeCompanion, NamesTheFilesSqliteKeepsBesideAVolume) {
    for (const char* name : {"CityDatabase.vol-journal", "x.vol-wal", "x.vol-shm"})
        EXPECT_TRUE(isVolumeCompanion(name)) << name;
    for (const char* name : {"CityDatabase.vol", "journal", "-journal", "a-journal.png"})
        EXPECT_FALSE(isVolumeCompanion(name)) << name;
}

}  // namespace
