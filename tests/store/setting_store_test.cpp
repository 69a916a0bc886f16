#include "store/SettingStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "StoreFolder.h"
#include "store/CityRowList.h"

using namespace store;

namespace {

class Settings : public StoreFolder {
protected:
    SettingStore store() const { return SettingStore(volumes_); }
};

// Another process's connection to the city volume, holding a lock.
class VolumeHolder {
public:
    VolumeHolder(const std::filesystem::path& volume, const char* begin) {
        sqlite3_open_v2(volume.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        held_ = sqlite3_exec(db_, begin, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~VolumeHolder() {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    bool held() const { return held_; }

private:
    sqlite3* db_ = nullptr;
    bool held_ = false;
};

TEST_F(Settings, ClientCodeIsMadeOnceAndKept) {
    const std::u16string first = store().clientCode().value_or(u"");
    ASSERT_EQ(first.size(), 7u);
    for (char16_t c : first) EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z'));
    EXPECT_EQ(store().clientCode(), first);
    const auto stored = store().findById(u"21");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->settingName, u"3天7天气鉴权码");
    EXPECT_EQ(stored->value, first);
}

TEST_F(Settings, EmptyStoredCodeIsReplaced) {
    ASSERT_TRUE(store().store({u"21", u"3天7天气鉴权码", {}, {}, {}}));
    const std::u16string code = store().clientCode().value_or(u"");
    EXPECT_EQ(code.size(), 7u);
    EXPECT_EQ(store().findByName(u"3天7天气鉴权码")->value, code);
}

// A start while another process holds the volume past the busy time-out reads
// nothing; it must not take that for a missing code and store a new one.
TEST_F(Settings, ACodeThatCannotBeReadIsNeverReplaced) {
    const auto first = store().clientCode();
    ASSERT_TRUE(first);
    {
        VolumeHolder holder(volumes_.cityDatabase, "BEGIN EXCLUSIVE");
        ASSERT_TRUE(holder.held());
        EXPECT_FALSE(store().clientCode());
    }
    EXPECT_EQ(store().findById(kClientCodeSettingId)->value, *first);
    EXPECT_EQ(store().clientCode(), first);
}

// A volume whose catalogue has lost the settings' order by ID cannot look the
// code up, while storing by name still works: the failed lookup must not become a
// new code stored over the old one.
TEST_F(Settings, ACodeThatCannotBeLookedUpIsNeverReplaced) {
    const auto first = store().clientCode();
    ASSERT_TRUE(first);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(volumes_.cityDatabase.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr),
              SQLITE_OK);
    const int rc = sqlite3_exec(db,
                                "DELETE FROM propdb_sort_orders"
                                " WHERE table_name = 'UserInformation' AND position = 1",
                                nullptr, nullptr, nullptr);
    const int removed = sqlite3_changes(db);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK);
    ASSERT_EQ(removed, 1);
    ASSERT_FALSE(store().findById(kClientCodeSettingId));

    EXPECT_FALSE(store().clientCode());
    EXPECT_EQ(store().findByName(u"3天7天气鉴权码")->value, *first);
}

// A writer killed mid-transaction leaves a hot journal: the next read plays it
// back and finds the stored code, rather than failing or making a new one.
TEST_F(Settings, ACodeBehindAHotJournalIsNeverReplaced) {
    const auto first = store().clientCode();
    ASSERT_TRUE(first);
    const pid_t writer = fork();
    ASSERT_NE(writer, -1);
    if (writer == 0) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(volumes_.cityDatabase.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        // A tiny page cache makes SQLite spill changed pages into the volume itself.
        sqlite3_exec(
            db,
            "PRAGMA cache_size=10; BEGIN IMMEDIATE; CREATE TABLE spill(x);"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)"
            " INSERT INTO spill SELECT zeroblob(400) FROM n;",
            nullptr, nullptr, nullptr);
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(writer, &status, 0), writer);
    const std::filesystem::path journal = volumes_.cityDatabase.string() + "-journal";
    ASSERT_GT(std::filesystem::file_size(journal), 0u) << "the journal is hot";

    EXPECT_EQ(store().clientCode(), first);
    EXPECT_TRUE(!std::filesystem::exists(journal) || std::filesystem::file_size(journal) == 0)
        << "the half-written transaction was rolled back";
    EXPECT_EQ(store().findById(kClientCodeSettingId)->value, *first);
}

TEST_F(Settings, ADamagedVolumeGivesNoCodeAndStaysAsItWas) {
    std::ofstream(volumes_.cityDatabase) << "not a volume\n";
    EXPECT_FALSE(store().clientCode());
    std::ifstream in(volumes_.cityDatabase);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not a volume\n");
}

// Reads share the volume: a writer that holds its write lock does not keep
// them waiting.
TEST_F(Settings, ReadsGoOnWhileAnotherProcessHoldsTheWriteLock) {
    const auto first = store().clientCode();
    ASSERT_TRUE(first);
    VolumeHolder writer(volumes_.cityDatabase, "BEGIN IMMEDIATE");
    ASSERT_TRUE(writer.held());
    EXPECT_EQ(store().clientCode(), first);
    EXPECT_TRUE(store().findByName(kClientCodeSettingName));
}

TEST_F(Settings, StoringASettingTwiceKeepsOneRecordWithTheLaterValue) {
    ASSERT_TRUE(store().store({u"6", u"自动更新时间", u"1", {}, u"08:00"}));
    ASSERT_TRUE(store().store({u"6", u"自动更新时间", u"1", {}, u"09:30"}));
    EXPECT_EQ(store().findByName(u"自动更新时间")->longValue, u"09:30");
    EXPECT_EQ(store().findById(u"6")->longValue, u"09:30");
    EXPECT_FALSE(store().findById(u"7"));
    EXPECT_FALSE(store().updateByName(u"软件背景", {}));
}

TEST(CityRows, MoveRemoveAndReplace) {
    CityRowList rows;
    EXPECT_FALSE(rows.moveFoundToFront());
    for (const char16_t* name : {u"北京", u"天津", u"成都"})
        rows.append({name, u"a.png", u"请更新查看", u""});
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
