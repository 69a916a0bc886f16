#include "app/services/ReportReplies.h"

#include <gtest/gtest.h>

using services::parseReportDetail;
using services::parseReportTitles;
using ReportItem = store::ReportRecord;

TEST(ReportTitles, LastItemNeedsNoTerminator) {
    const auto reply = parseReportTitles(u"2009-08-01`12*八月上旬*雨水偏多$13*八月中旬*晴");
    ASSERT_EQ(reply.status, weather::ReplyStatus::Ok);
    ASSERT_EQ(reply.items.size(), 2u);
    EXPECT_EQ(reply.items[0], (ReportItem{u"12", u"八月上旬", u"雨水偏多", u"2009-08-01"}));
    EXPECT_EQ(reply.items[1], (ReportItem{u"13", u"八月中旬", u"晴", u"2009-08-01"}));
}

// The appended terminator after a reply that closed its last item itself
// would otherwise make a phantom report with an empty ID.
TEST(ReportTitles, ClosedLastItemAddsNoPhantomReport) {
    const auto reply = parseReportTitles(u"t`12*A*a$13*B*b$");
    EXPECT_EQ(reply.items.size(), 2u);
}

TEST(ReportTitles, MissingFieldsRepeatThePreviousItemAndExtraFieldsAreIgnored) {
    const auto reply = parseReportTitles(u"t`1*A*a*x$2*B$3");
    ASSERT_EQ(reply.items.size(), 3u);
    EXPECT_EQ(reply.items[0].text, u"a");
    EXPECT_EQ(reply.items[1], (ReportItem{u"2", u"B", u"a", u"t"}));
    EXPECT_EQ(reply.items[2], (ReportItem{u"3", u"B", u"a", u"t"}));
}

TEST(ReportTitles, ReplyWithoutBackQuoteHoldsNothingAndIsNoError) {
    const auto reply = parseReportTitles(u"1*A*a$2*B*b");
    EXPECT_EQ(reply.status, weather::ReplyStatus::Ok);
    EXPECT_TRUE(reply.items.empty());
}

TEST(ReportTitles, SpecialReplies) {
    EXPECT_EQ(parseReportTitles(u"-1").status, weather::ReplyStatus::VersionTooOld);
    EXPECT_EQ(parseReportTitles(u"<html>").status, weather::ReplyStatus::QueryFailed);
}

TEST(ReportDetail, LastPieceWithThreeFieldsGivesTheText) {
    const auto reply = parseReportDetail(u"08-20`1*A*first`1*A*second");
    EXPECT_EQ(reply.status, weather::ReplyStatus::Ok);
    EXPECT_EQ(reply.updateTime, u"08-20");
    EXPECT_EQ(reply.text, u"second");
}

TEST(ReportDetail, PieceWithTwoFieldsKeepsTheTextButGivesTheTime) {
    const auto reply = parseReportDetail(u"08-21`1*A");
    EXPECT_EQ(reply.status, weather::ReplyStatus::Ok);
    EXPECT_EQ(reply.updateTime, u"08-21");
    EXPECT_FALSE(reply.text.has_value());
}

TEST(ReportDetail, ReplyWithoutBackQuoteIsATimeAloneAndKeepsTheText) {
    const auto reply = parseReportDetail(u"2009-08-21 10:00");
    EXPECT_EQ(reply.status, weather::ReplyStatus::Ok);
    EXPECT_EQ(reply.updateTime, u"2009-08-21 10:00");
    EXPECT_FALSE(reply.text.has_value());
}

TEST(ReportDetail, UnusableReplies) {
    EXPECT_EQ(parseReportDetail(u"-1").status, weather::ReplyStatus::VersionTooOld);
    EXPECT_EQ(parseReportDetail(u"<html>`1*A*x").status, weather::ReplyStatus::QueryFailed);
    EXPECT_EQ(parseReportDetail(u"0").status, weather::ReplyStatus::QueryFailed);
    EXPECT_EQ(parseReportDetail(u"").status, weather::ReplyStatus::QueryFailed);
}
