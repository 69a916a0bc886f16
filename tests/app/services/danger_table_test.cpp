#include "app/services/DangerTable.h"

#include <gtest/gtest.h>

using services::DangerTable;
using services::parseDangerReport;
using Cells = std::vector<std::u16string>;

namespace {

const Cells& column(const DangerTable& t, int key) {
    for (const auto& c : t.columns())
        if (c.key == key) return c.cells;
    throw std::out_of_range("no column");
}

}  // namespace

TEST(DangerTableLayout, ColumnsInDisplayOrderWithTheirWidths) {
    DangerTable t;
    ASSERT_EQ(t.columns().size(), 3u);
    EXPECT_EQ(t.columns()[0].heading, u"城市名");
    EXPECT_EQ(t.columns()[1].heading, u"危报详情");
    EXPECT_EQ(t.columns()[1].key, 2);
    EXPECT_EQ(t.columns()[2].heading, u"时间");
    EXPECT_EQ(t.contentWidth(), 300);
    EXPECT_EQ(t.contentHeight(), 30);
}

TEST(DangerReport, CellsGoToTheColumnOfTheirIndex) {
    const auto r = parseDangerReport(u"t`成都*08-19 10:00*暴雨*extra$绵阳*08-19 11:00*大风$");
    ASSERT_EQ(r.status, weather::ReplyStatus::Ok);
    EXPECT_EQ(r.lastListRows, 2);
    EXPECT_EQ(column(r.table, 0), (Cells{u"成都", u"绵阳"}));
    EXPECT_EQ(column(r.table, 1), (Cells{u"08-19 10:00", u"08-19 11:00"}));
    EXPECT_EQ(column(r.table, 2), (Cells{u"暴雨", u"大风"}));
    EXPECT_EQ(r.table.contentHeight(), 70);
}

// A short row must not pull the next row's cells up beside it.
TEST(DangerReport, ShortRowLeavesItsMissingCellsEmpty) {
    const auto r = parseDangerReport(u"t`雅安$乐山*09:00*冰雹$");
    EXPECT_EQ(column(r.table, 0), (Cells{u"雅安", u"乐山"}));
    EXPECT_EQ(column(r.table, 2), (Cells{u"", u"冰雹"}));
}

TEST(DangerReport, EveryListIsAddedButTheLastDecidesTheRowCount) {
    auto r = parseDangerReport(u"t`a*1*x$b*2*y$`c*3*z$");
    EXPECT_EQ(r.table.rowCount(), 3);
    EXPECT_EQ(r.lastListRows, 1);
    r = parseDangerReport(u"t`a*1*x$`");
    EXPECT_EQ(r.table.rowCount(), 1);
    EXPECT_EQ(r.lastListRows, 0);
    EXPECT_EQ(parseDangerReport(u"t`").lastListRows, 0);
}

TEST(DangerReport, UnusableReplies) {
    for (auto reply : {u"0", u"-1", u"<html>x</html>"})
        EXPECT_EQ(parseDangerReport(reply).status, weather::ReplyStatus::QueryFailed);
}
