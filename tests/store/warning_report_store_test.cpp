#include <gtest/gtest.h>

#include "StoreFolder.h"
#include "store/ReportStore.h"
#include "store/WarningStore.h"

using namespace store;

namespace {

WarningRecord warning(std::u16string id, std::u16string title, std::u16string flag = u"1") {
    const std::u16string text = u"text of " + title;
    return {std::move(id), std::move(title), text, {}, std::move(flag)};
}

class Warnings : public StoreFolder {
protected:
    WarningStore store() const { return WarningStore(volumes_, WarningKind::Disaster); }
};

TEST_F(Warnings, RepeatedWarningKeepsItsReadState) {
    ASSERT_EQ(store().storeWarnings({warning(u"1", u"暴雨"), warning(u"2", u"大风")}, u"09:12"), 2);
    ASSERT_TRUE(store().markOpened(u"暴雨"));
    EXPECT_EQ(store().unreadCount(), 1);

    // The next reply repeats both and brings one new warning.
    EXPECT_EQ(
        store().storeWarnings(
            {warning(u"1", u"暴雨"), warning(u"2", u"大风"), warning(u"3", u"高温")}, u"14:12"),
        1);
    const auto rain = store().findByTitle(u"暴雨");
    EXPECT_EQ(rain->updateTime, u"");
    EXPECT_EQ(rain->todayFlag, u"0");
    EXPECT_EQ(store().findByTitle(u"大风")->updateTime, u"09:12");
    EXPECT_EQ(store().unreadCount(), 2);
}

TEST_F(Warnings, RemovedWarningKeepsItsIdAndDoesNotComeBack) {
    ASSERT_EQ(store().storeWarnings({warning(u"7", u"寒潮")}, u"09:12"), 1);
    ASSERT_TRUE(store().removeWarning(u"寒潮"));
    EXPECT_EQ(store().storeWarnings({warning(u"7", u"寒潮")}, u"14:12"), 0);
    const auto all = store().list();
    ASSERT_EQ(all->size(), 1u);
    EXPECT_EQ(all->front(), (WarningRecord{u"7", u"", u"", u"", u"0"}));
    EXPECT_FALSE(store().removeWarning(u"寒潮"));
}

TEST_F(Warnings, OpeningAnOpenedWarningWritesNothing) {
    // Read already (no update time) but still flagged for the home screen: a
    // second opening must not touch the flag.
    ASSERT_TRUE(store().add({u"5", u"雷电", u"t", u"", u"1"}));
    ASSERT_TRUE(store().markOpened(u"雷电"));
    EXPECT_EQ(store().findByTitle(u"雷电")->todayFlag, u"1");
    EXPECT_FALSE(store().markOpened(u"冰雹"));
}

TEST_F(Warnings, ListIsByIdDescendingAndKindsAreSeparate) {
    ASSERT_EQ(store().storeWarnings({warning(u"1", u"a"), warning(u"3", u"b"), warning(u"2", u"c")},
                                    u"t"),
              3);
    std::vector<std::u16string> ids;
    const auto all = store().list();
    for (const auto& w : *all) ids.push_back(w.id);
    EXPECT_EQ(ids, (std::vector<std::u16string>{u"3", u"2", u"1"}));
    EXPECT_TRUE(WarningStore(volumes_, WarningKind::Fire).list()->empty());
}

struct UnreadCase {
    int current;
    int stored;
    int expected;
};

class UnreadBadge : public ::testing::TestWithParam<UnreadCase> {};

TEST_P(UnreadBadge, RisesByStoredWarningsUpToFive) {
    EXPECT_EQ(WarningStore::raisedUnreadCount(GetParam().current, GetParam().stored),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, UnreadBadge,
                         ::testing::Values(UnreadCase{0, 0, 0}, UnreadCase{1, 2, 3},
                                           UnreadCase{4, 3, 5}, UnreadCase{0, 40, 5},
                                           UnreadCase{5, 0, 5}));

TEST_F(Warnings, BadgeAfterAnUpdateCountsOnlyNewWarnings) {
    ASSERT_EQ(store().storeWarnings({warning(u"1", u"a"), warning(u"2", u"b")}, u"t"), 2);
    const int badge = *store().unreadCount();
    const auto stored = store().storeWarnings({warning(u"1", u"a"), warning(u"2", u"b")}, u"t2");
    ASSERT_TRUE(stored);
    EXPECT_EQ(WarningStore::raisedUnreadCount(badge, *stored), 2);
}

class Reports : public StoreFolder {
protected:
    ReportStore store() const { return ReportStore(volumes_, ReportKind::Monthly); }
};

TEST_F(Reports, AddOrReplaceRewritesTheRecordOfTheSameId) {
    ASSERT_TRUE(store().addOrReplaceAll({{u"1", u"七月", u"", u"t1"}}));
    ASSERT_TRUE(store().addOrReplaceAll({{u"1", u"七月(修订)", u"", u"t2"}}));
    const auto all = store().list();
    ASSERT_EQ(all->size(), 1u);
    EXPECT_EQ(all->front().title, u"七月(修订)");

    // The detail fills the text, written back by ID.
    auto report = *store().findByTitle(u"七月(修订)");
    report.text = u"全文";
    report.updateTime = u"t3";
    ASSERT_TRUE(store().updateById(u"1", report));
    EXPECT_EQ(store().findByTitle(u"七月(修订)")->text, u"全文");
    EXPECT_TRUE(ReportStore(volumes_, ReportKind::TenDay).list()->empty());
}

TEST_F(Reports, SameTitleIsFoundAndDeletedFirstInStoreOrder) {
    ASSERT_TRUE(store().addOrReplaceAll({{u"1", u"旬报", u"first", u""}}));
    ASSERT_TRUE(store().addOrReplaceAll({{u"2", u"旬报", u"second", u""}}));
    ASSERT_TRUE(store().addOrReplaceAll({{u"3", u"周报", u"", u""}}));
    EXPECT_EQ(store().list()->front().title, u"旬报");  // greatest title first
    EXPECT_EQ(store().findByTitle(u"旬报")->text, u"first");
    ASSERT_TRUE(store().removeByTitle(u"旬报"));
    EXPECT_EQ(store().findByTitle(u"旬报")->text, u"second");
    EXPECT_EQ(store().list()->size(), 2u);
}

}  // namespace
