#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/services/ReportListScreen.h"
#include "app/services/ReportTextScreen.h"
#include "platform/text/Utf.h"
#include "service/ForecastService.h"
#include "service/TestServer.h"
#include "store/ReportStore.h"
#include "tests/app/services/LastLineCheck.h"
#include "tests/support/ScreenHarness.h"
#include "tests/support/VolumeFault.h"

using namespace platform::ui;
using services::ReportFamily;
using services::ReportListScreen;
using services::ReportTextScreen;
using services_test::expectLastLineWhole;
using testing_support::ScreenHarness;
using testing_support::VolumeFault;

namespace {

constexpr char16_t kVersionTooOld[] = u"你当前版本过低，无法获取数据，请更新版本！";
constexpr char16_t kStoreFailed[] = u"数据保存失败，请检查存储空间";

int typeOf(const ReportFamily& f) {
    switch (f.table) {
        case store::ReportKind::Monthly:
            return 1;
        case store::ReportKind::TenDay:
            return 2;
        case store::ReportKind::Quarterly:
            return 3;
    }
    return 0;
}

// One report kind on a fresh device against the service stand-in.
class ReportFamily_ : public testing::TestWithParam<const ReportFamily*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.startService());
        h.ensurePictures({"tmd.png"});
        h.context().values().clientCode = u"abc1234";
    }

    const ReportFamily& family() const { return *GetParam(); }
    store::ReportStore reports() { return {h.context().volumes(), family().table}; }
    std::vector<store::ReportRecord> stored() {
        return reports().list().value_or(std::vector<store::ReportRecord>{});
    }
    std::vector<service::SeenRequest> requests(const std::string& prefix) {
        std::vector<service::SeenRequest> seen;
        for (const auto& r : h.server()->requests())
            if (r.path.rfind(prefix, 0) == 0) seen.push_back(r);
        return seen;
    }
    void expectFailureMessageAfter(std::u16string_view first) {
        std::vector<std::u16string> expected;
        if (!first.empty()) expected.emplace_back(first);
        if (family().detailFailure) expected.emplace_back(*family().detailFailure);
        EXPECT_EQ(h.messages().texts(), expected);
    }
    // Runs `step` once on a read-only and once on a full report volume; the
    // reports stored before stay as they were.
    void underEachStorageFault(const std::function<void()>& step) {
        const auto before = stored();
        ASSERT_FALSE(before.empty());
        const bool laid = VolumeFault::underEach(
            h.context().volumes().rainfallCityDatabase,
            {VolumeFault::Kind::ReadOnly, VolumeFault::Kind::Full}, [&](VolumeFault::Kind kind) {
                SCOPED_TRACE(VolumeFault::name(kind));
                h.messages().clear();
                step();
            });
        if (!laid) GTEST_SKIP() << "mounting needs root";
        EXPECT_EQ(stored(), before);
    }

    ScreenHarness h;
};

}  // namespace

TEST_P(ReportFamily_, UpdateStoresTheTitlesAndShowsTheFirstFive) {
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    EXPECT_TRUE(h.log(list).findText(u"请更新查看!"));
    ASSERT_TRUE(h.command(list, u"更新"));

    const auto seen = requests("/spservers/report_title");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].query,
              "type=" + std::to_string(typeOf(family())) + "&version=symbian2.0&code=abc1234");
    const auto all = stored();
    ASSERT_EQ(all.size(), 6u) << "the stand-in lists six reports";
    EXPECT_TRUE(h.messages().shown().empty());

    std::vector<std::u16string> titles;
    for (const auto& r : all) titles.push_back(r.title);
    EXPECT_TRUE(std::is_sorted(titles.begin(), titles.end(), std::greater<>()));
    titles.resize(5);
    EXPECT_EQ(list.ShownTitles(), titles);
    EXPECT_TRUE(h.log(list).findText(u"1 ." + titles[0]));
    EXPECT_TRUE(h.log(list).findText(u"5 ." + titles[4]));

    // Updating again replaces the stored reports instead of adding twins.
    ASSERT_TRUE(h.command(list, u"更新"));
    EXPECT_EQ(stored().size(), 6u);
}

TEST_P(ReportFamily_, OpeningFetchesTheTextFirstAndForwardsIt) {
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    h.key(list, VK_DOWN);
    ASSERT_EQ(list.SelectedRow(), 1);
    const std::u16string title = list.ShownTitles()[1];
    const auto before = reports().findByTitle(title);
    ASSERT_TRUE(before);

    std::u16string shown;
    h.onOpen(std::u16string(family().textClass), [&](CDialog& d) {
        shown = static_cast<ReportTextScreen&>(d).ShownText();
        EXPECT_TRUE(h.command(d, u"转发"));
        d.EndDialog(platform::IDCANCEL);
    });
    ASSERT_TRUE(h.command(list, family().viewCaption));

    const auto seen = requests("/spservers/find_information/");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].path, "/spservers/find_information/" + platform::toUtf8(before->id));
    EXPECT_EQ(seen[0].query, "version=symbian2.0&code=abc1234");
    const auto after = reports().findByTitle(title);
    ASSERT_TRUE(after);
    EXPECT_FALSE(after->text.empty());
    EXPECT_EQ(shown, title + u"\n" + after->text);
    ASSERT_EQ(h.shell().composed().size(), 1u);
    EXPECT_EQ(h.shell().composed()[0].subject, shown);
    EXPECT_TRUE(h.messages().shown().empty());
}

// The text is fetched every time: without the service no text is shown,
// not even the one stored before.
TEST_P(ReportFamily_, OpeningWithoutTheServiceShowsTheFamilyMessage) {
    ASSERT_TRUE(reports().addOrReplaceAll({{u"9", u"旧报告", u"旧的正文", u"08-01"}}));
    h.server()->stop();
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    h.key(list, VK_RETURN);
    EXPECT_FALSE(h.wasOpened(family().textClass));
    ASSERT_FALSE(h.messages().texts().empty());
    expectFailureMessageAfter(h.messages().texts().front());
    EXPECT_EQ(reports().findByTitle(u"旧报告")->text, u"旧的正文");
}

// The service answers a report it does not know with its time stamp alone: no
// back-quote, so the stored text is shown under the renewed update time.
TEST_P(ReportFamily_, ReplyOfTheStampAloneShowsTheStoredText) {
    ASSERT_TRUE(reports().addOrReplaceAll({{u"999999", u"不存在", u"存下的正文", u""}}));
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    h.key(list, VK_RETURN);
    EXPECT_TRUE(h.wasOpened(family().textClass));
    EXPECT_TRUE(h.messages().texts().empty());
    const auto report = reports().findByTitle(u"不存在");
    ASSERT_TRUE(report);
    EXPECT_EQ(report->text, u"存下的正文");
    EXPECT_FALSE(report->updateTime.empty());
}

TEST_P(ReportFamily_, DetailFromAnOldVersionIsRefused) {
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    ASSERT_TRUE(h.server()->setFault("/spservers/find_information", "-1"));
    const auto before = stored();
    h.key(list, VK_RETURN);
    EXPECT_FALSE(h.wasOpened(family().textClass));
    expectFailureMessageAfter(kVersionTooOld);
    EXPECT_EQ(stored(), before);
}

TEST_P(ReportFamily_, BadTitleRepliesStoreNothing) {
    const std::pair<const char*, std::u16string> faults[] = {
        {"-1", kVersionTooOld}, {"html", u"获取数据失败"}, {"close", u"地址无效"}};
    for (const auto& [faultText, message] : faults) {
        SCOPED_TRACE(faultText);
        h.server()->clearFaults();
        ASSERT_TRUE(h.server()->setFault("/spservers/report_title", faultText));
        h.messages().clear();
        ReportListScreen list(family(), h.context(), nullptr);
        h.show(list);
        ASSERT_TRUE(h.command(list, u"更新"));
        EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{message});
        EXPECT_TRUE(stored().empty());
    }
}

TEST_P(ReportFamily_, DeleteRemovesTheReportAndKeepsAMiddleSelection) {
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(reports().addOrReplaceAll(
            {{platform::fromInt(i), u"报告" + platform::fromInt(i), u"", u""}}));
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    h.key(list, VK_DOWN);
    ASSERT_TRUE(h.command(list, u"删除"));
    EXPECT_FALSE(reports().findByTitle(u"报告2"));
    EXPECT_EQ(list.ShownTitles(), (std::vector<std::u16string>{u"报告3", u"报告1"}));
    EXPECT_EQ(list.SelectedRow(), 1);
    // Deleting the last row moves the selection onto the row above it.
    ASSERT_TRUE(h.command(list, u"删除"));
    EXPECT_EQ(list.SelectedRow(), 0);
    EXPECT_EQ(list.ShownTitles(), std::vector<std::u16string>{u"报告3"});
    // One report: the keys do not move.
    h.key(list, VK_DOWN);
    EXPECT_EQ(list.SelectedRow(), 0);
    EXPECT_TRUE(h.messages().shown().empty());
}

// Every family, the quarterly one included: with more reports stored than
// shown, the report below slides up into the deleted last row, and the
// selection still moves up to the row above.
TEST_P(ReportFamily_, DeletingTheLastShownRowMovesTheSelectionUp) {
    for (int i = 1; i <= 7; ++i)
        ASSERT_TRUE(reports().addOrReplaceAll(
            {{platform::fromInt(i), u"报告" + platform::fromInt(i), u"", u""}}));
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    h.key(list, VK_UP);
    ASSERT_EQ(list.SelectedRow(), 4);
    ASSERT_TRUE(h.command(list, u"删除"));
    EXPECT_FALSE(reports().findByTitle(u"报告3"));
    EXPECT_EQ(list.ShownTitles(),
              (std::vector<std::u16string>{u"报告7", u"报告6", u"报告5", u"报告4", u"报告2"}));
    EXPECT_EQ(list.SelectedRow(), 3);
}

TEST_P(ReportFamily_, MoreOpensTheServiceSite) {
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更多"));
    EXPECT_EQ(h.shell().browsed(), std::vector<std::u16string>{h.context().contacts().wapSite});
}

// The text screen on its own, with a text much taller than the display.
TEST_P(ReportFamily_, TextScrollsToItsBottomOffsetAndBack) {
    std::u16string text;
    for (int i = 0; i < 60; ++i)
        text += std::u16string(u"第") + platform::fromInt(i) + u"段：降水偏多，气温偏低。\n";
    ASSERT_TRUE(reports().addOrReplaceAll({{u"1", u"长报告", text, u""}}));
    ReportTextScreen screen(family(), h.context(), nullptr);
    screen.SetContent(u"长报告");
    h.show(screen);
    h.log(screen);
    EXPECT_EQ(screen.ShownText(), u"长报告\n" + text);
    h.key(screen, VK_UP);
    EXPECT_EQ(screen.ScrollOffset(), 0);
    h.key(screen, VK_DOWN);
    EXPECT_EQ(screen.ScrollOffset(), 40);
    for (int i = 0; i < 200; ++i) h.key(screen, VK_DOWN);
    expectLastLineWhole(screen);
    EXPECT_GT(screen.ScrollPosition(), 0);
    // The scroll bar's end shows the same.
    screen.VScroll(SB_THUMBPOSITION, 0);
    screen.VScroll(SB_THUMBPOSITION, 100);
    expectLastLineWhole(screen);
    // The last line is in the picture that is copied to the screen.
    EXPECT_TRUE(h.log(screen).findTextContaining(u"第59段"));
    screen.VScroll(SB_THUMBPOSITION, 0);
    EXPECT_EQ(screen.ScrollOffset(), 0);
}

TEST_P(ReportFamily_, UpdateThatCannotBeStoredIsToldAndKeepsTheOldTitles) {
    ASSERT_TRUE(reports().addOrReplaceAll({{u"9", u"旧报告", u"旧的正文", u"08-01"}}));
    underEachStorageFault([&] {
        ReportListScreen list(family(), h.context(), nullptr);
        h.show(list);
        ASSERT_TRUE(h.command(list, u"更新"));
        EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{kStoreFailed});
        EXPECT_EQ(list.ShownTitles(), std::vector<std::u16string>{u"旧报告"});
    });
}

TEST_P(ReportFamily_, TextThatCannotBeStoredIsToldAndNotShown) {
    ReportListScreen list(family(), h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    underEachStorageFault([&] {
        h.key(list, VK_RETURN);
        EXPECT_FALSE(h.wasOpened(family().textClass));
        expectFailureMessageAfter(kStoreFailed);
    });
}

TEST_P(ReportFamily_, DeleteThatCannotBeStoredIsToldAndKeepsTheRow) {
    ASSERT_TRUE(
        reports().addOrReplaceAll({{u"1", u"报告1", u"", u""}, {u"2", u"报告2", u"", u""}}));
    underEachStorageFault([&] {
        ReportListScreen list(family(), h.context(), nullptr);
        h.show(list);
        ASSERT_TRUE(h.command(list, u"删除"));
        EXPECT_EQ(h.messages().texts(), std::vector<std::u16string>{kStoreFailed});
        EXPECT_EQ(list.ShownTitles(), (std::vector<std::u16string>{u"报告2", u"报告1"}));
    });
}

INSTANTIATE_TEST_SUITE_P(Families, ReportFamily_,
                         testing::Values(&services::kTenDayReports, &services::kMonthlyReports,
                                         &services::kQuarterlyReports));

// A detail reply longer than the family's budget is read only up to it: the
// monthly report reads 8 x 500 + 99 bytes.
TEST(MonthlyReportText, LongReplyIsReadUpToItsSizeFactor) {
    ScreenHarness h;
    ASSERT_TRUE(h.startService());
    h.ensurePictures({"tmd.png"});
    h.context().values().clientCode = u"abc1234";
    ReportListScreen list(services::kMonthlyReports, h.context(), nullptr);
    h.show(list);
    ASSERT_TRUE(h.command(list, u"更新"));
    ASSERT_FALSE(list.ShownTitles().empty());
    ASSERT_TRUE(h.server()->setFault("/spservers/find_information", "long"));
    h.key(list, VK_RETURN);
    ASSERT_TRUE(h.wasOpened(u"CtevaloWeatherYueBaoInfo"));

    const store::ReportStore reports(h.context().volumes(), store::ReportKind::Monthly);
    const auto report = reports.findByTitle(list.ShownTitles()[0]);
    ASSERT_TRUE(report);
    const size_t read = platform::toUtf8(report->updateTime + u"`" + report->id + u"*" +
                                         report->title + u"*" + report->text)
                            .size();
    EXPECT_LE(read, 8u * 500 + 99);
    EXPECT_GT(read, 8u * 500 + 99 - 6) << "the cut falls inside the last character";
}
