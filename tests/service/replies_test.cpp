// Reports, the danger report, the warning feeds and the pages, read back the way
// the client reads them.

#include <set>

#include "ServiceFixture.h"
#include "weather/ReplySyntax.h"
#include "weather/RequestPath.h"

namespace service::testing {
namespace {

using weather::kBlockTerminator;
using weather::kFieldSeparator;
using weather::kSectionSeparator;
using weather::kSlotSeparator;
using weather::splitTerminated;
using weather::splitWithTrailing;

const std::u16string kClient = u"abc1234";

struct ReportItem {
    std::u16string id, title, text;
};

// The list screens append "$" before splitting, so the last item needs none.
std::vector<ReportItem> reportItems(const std::u16string& reply) {
    std::vector<ReportItem> items;
    const auto pieces = splitWithTrailing(reply + u"$", kSectionSeparator);
    for (size_t p = 1; p < pieces.size(); ++p)
        for (const auto& item : splitTerminated(pieces[p], kBlockTerminator)) {
            const auto f = splitWithTrailing(item, kFieldSeparator);
            items.push_back({f[0], f.size() > 1 ? f[1] : u"", f.size() > 2 ? f[2] : u""});
        }
    return items;
}

struct ReportFamily {
    weather::ReportKind kind;
    int listFactor;
    int textFactor;
};

class ReportsReadBack : public RunningService,
                        public ::testing::WithParamInterface<ReportFamily> {};

TEST_P(ReportsReadBack, ListedReportsKeepTheirIdsAndTheirTextsFitTheClient) {
    const auto [kind, listFactor, textFactor] = GetParam();
    const auto reply = fetch(weather::reportListPath(kind, kClient), listFactor);
    ASSERT_TRUE(reply);
    const auto items = reportItems(*reply);
    ASSERT_EQ(items.size(), static_cast<size_t>(ReportLibrary::kListed));
    std::set<std::u16string> titles;
    for (const auto& item : items) {
        EXPECT_LE(item.id.size(), 6u);
        EXPECT_FALSE(item.id.empty());  // an empty item would store a record without ID
        EXPECT_LE(item.title.size(), 99u);
        titles.insert(item.title);
    }
    EXPECT_EQ(titles.size(), items.size());

    // Ten days later the older reports are still listed under the same IDs.
    server.setTime(addDays(kMorning, 10));
    const auto later = reportItems(*fetch(weather::reportListPath(kind, kClient), listFactor));
    std::set<std::u16string> laterIds;
    for (const auto& item : later) laterIds.insert(item.id);
    EXPECT_TRUE(laterIds.contains(items[1].id));

    const auto text = fetch(weather::reportTextPath(items[1].id, kClient), textFactor);
    ASSERT_TRUE(text);
    EXPECT_LE(platform::toUtf8(*text).size(), weather::replyByteLimit(textFactor));
    const auto pieces = splitWithTrailing(*text, kSectionSeparator);
    ASSERT_EQ(pieces.size(), 2u);
    const auto fields = splitWithTrailing(pieces[1], kFieldSeparator);
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0], items[1].id);
    EXPECT_EQ(fields[1], items[1].title);
    EXPECT_GE(splitWithTrailing(fields[2], u'\n').size(), 4u);
    EXPECT_LE(fields[2].size(), 1499u);
}

INSTANTIATE_TEST_SUITE_P(Families, ReportsReadBack,
                         ::testing::Values(ReportFamily{weather::ReportKind::TenDay, 50, 50},
                                           ReportFamily{weather::ReportKind::Monthly, 40, 8},
                                           ReportFamily{weather::ReportKind::Quarterly, 40, 40}));

using ServiceReadBack = RunningService;

TEST_F(ServiceReadBack, UnknownReportGetsTheStampAlone) {
    EXPECT_EQ(fetch(weather::reportTextPath(u"999999", kClient), 50), u"2009-07-06 15:31:51");
    EXPECT_EQ(fetch(weather::reportTextPath(u"1x", kClient), 50), u"2009-07-06 15:31:51");
}

TEST_F(ServiceReadBack, DangerReportRowsHaveCityTimeAndDetails) {
    bool sawRows = false, sawQuietDay = false;
    for (int day = 0; day < 40; ++day) {
        server.setTime(addDays(kMorning, day));
        const auto reply = fetch(weather::dangerReportPath(kClient), 10);
        ASSERT_TRUE(reply);
        const auto pieces = splitWithTrailing(*reply, kSectionSeparator);
        ASSERT_EQ(pieces.size(), 2u);
        const auto rows = splitTerminated(pieces[1], kBlockTerminator);
        (rows.empty() ? sawQuietDay : sawRows) = true;
        for (const auto& row : rows) {
            const auto cells = splitWithTrailing(row, kFieldSeparator);
            ASSERT_EQ(cells.size(), 3u);
            for (const auto& cell : cells) EXPECT_FALSE(cell.empty());
        }
    }
    EXPECT_TRUE(sawRows);
    EXPECT_TRUE(sawQuietDay);
}

struct WarningItem {
    std::u16string id, flag, title, text;
};

class WarningFeedReadBack : public RunningService, public ::testing::WithParamInterface<bool> {
protected:
    std::vector<WarningItem> items(const std::vector<std::u16string>& known) {
        const auto path = GetParam() ? weather::disasterWarningsPath(known, kClient)
                                     : weather::fireWarningsPath(known, kClient);
        const auto reply = fetch(path, 35);
        EXPECT_TRUE(reply);
        if (!reply) return {};
        EXPECT_LE(platform::toUtf8(*reply).size(), weather::replyByteLimit(35));
        std::vector<WarningItem> out;
        const auto pieces = splitWithTrailing(*reply, kSectionSeparator);
        EXPECT_EQ(pieces.size(), 2u);
        for (const auto& item : splitTerminated(pieces.at(1), kBlockTerminator)) {
            const auto f = splitWithTrailing(item, kSlotSeparator);
            EXPECT_EQ(f.size(), 4u);
            if (f.size() == 4) out.push_back({f[0], f[1], f[2], f[3]});
        }
        return out;
    }
};

TEST_P(WarningFeedReadBack, HeldWarningsAreNotSentAgainAndNewOnesArrive) {
    const auto first = items({});
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first[0].flag, u"1");
    std::vector<std::u16string> held;
    for (size_t i = 0; i < first.size(); ++i) {
        if (i > 0) {
            EXPECT_EQ(first[i].flag, u"0");
        }
        EXPECT_LE(first[i].id.size(), 6u);
        EXPECT_LE(first[i].title.size(), 99u);
        EXPECT_LE(first[i].text.size(), 999u);
        held.push_back(first[i].id);
    }
    EXPECT_TRUE(items(held).empty());

    // Holding only the newest, the client gets the older ones, none flagged.
    const auto older = items({first[0].id});
    EXPECT_EQ(older.size(), first.size() - 1);
    for (const auto& item : older) EXPECT_EQ(item.flag, u"0");

    server.setTime(addDays(kMorning, 1));
    const auto next = items(held);
    ASSERT_FALSE(next.empty());
    EXPECT_EQ(next[0].flag, u"1");
    for (const auto& item : next)
        EXPECT_EQ(std::find(held.begin(), held.end(), item.id), held.end());
}

// The screens find, mark and delete warnings by title.
TEST_P(WarningFeedReadBack, TitlesNeverRepeatOverAMonth) {
    const auto& feed = GetParam() ? server.service().disasters() : server.service().fires();
    const auto month = feed.issued(addDays(kMorning, 31), 31);
    std::set<std::string> titles;
    for (const auto& w : month) titles.insert(w.title);
    EXPECT_GE(month.size(), 31u);
    EXPECT_EQ(titles.size(), month.size());
}

INSTANTIATE_TEST_SUITE_P(DisasterAndFire, WarningFeedReadBack, ::testing::Bool());

TEST_F(ServiceReadBack, PagesOfPastWarningsAndTheHomePage) {
    const auto disasters = fetch(std::string("/soft_new?id=1"), 40);
    ASSERT_TRUE(disasters);
    EXPECT_TRUE(disasters->starts_with(u"<"));
    const auto newest = server.service().disasters().issued(kMorning).front();
    EXPECT_NE(disasters->find(platform::fromUtf8(newest.title)), std::u16string::npos);
    EXPECT_NE(fetch(std::string("/soft_new?id=2"), 40)->find(u"往期消防提醒"),
              std::u16string::npos);
    EXPECT_NE(fetch(std::string("/"), 40)->find(u"/soft_new?id=1"), std::u16string::npos);
    // An unknown page is a 404, which the client reads as a failed read.
    EXPECT_FALSE(fetch(std::string("/soft_new?id=3"), 40));
    EXPECT_EQ(server.requests().back().status, 404);
}

TEST_F(ServiceReadBack, OldClientsAndUnknownPathsGetTheNoDataReplies) {
    EXPECT_EQ(fetch(std::string("/spservers/kuvaro_weathers/510100?code=abc1234"), 1), u"-1");
    EXPECT_EQ(fetch(std::string("/spservers/kuvaro_weathers/510100?version=symbian1.0"), 1), u"-1");
    // Unknown paths answer "0" with an error status, which the client takes as a failed read.
    EXPECT_FALSE(fetch(std::string("/spservers/no_such_thing?version=symbian2.0"), 1));
    EXPECT_FALSE(fetch(std::string("/spservers/report_title?type=7&version=symbian2.0"), 1));
    const auto seen = server.requests();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[2].status, 404);
    EXPECT_EQ(seen[3].status, 400);
    EXPECT_EQ(seen[0].path, "/spservers/kuvaro_weathers/510100");
    EXPECT_EQ(seen[0].query, "code=abc1234");
}

}  // namespace
}  // namespace service::testing
