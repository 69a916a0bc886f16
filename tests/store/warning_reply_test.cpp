#include "store/WarningReply.h"

#include <gtest/gtest.h>

using store::parseWarnings;
using store::WarningRecord;

namespace {

// Fields in reply order: ID, Today flag, title, text, then the time stamp.
WarningRecord item(std::u16string id, std::u16string flag, std::u16string title,
                   std::u16string text, std::u16string time) {
    return {std::move(id), std::move(title), std::move(text), std::move(time), std::move(flag)};
}

}  // namespace

TEST(WarningReplyStatus, SpecialRepliesAreRecognisedOnlyWhenExact) {
    EXPECT_EQ(parseWarnings(u"-1").status, weather::ReplyStatus::VersionTooOld);
    EXPECT_EQ(parseWarnings(u"0").status, weather::ReplyStatus::QueryFailed);
    EXPECT_EQ(parseWarnings(u"<html><body>502</body></html>").status,
              weather::ReplyStatus::QueryFailed);
    // A time stamp that merely starts with the digits is an ordinary reply.
    EXPECT_EQ(parseWarnings(u"-1`").status, weather::ReplyStatus::Ok);
    EXPECT_EQ(parseWarnings(u"08-19 09:12`").status, weather::ReplyStatus::Ok);
}

TEST(WarningReplyItems, FullItemsCarryTheReplyTimeStamp) {
    const auto reply =
        parseWarnings(u"08-19 09:12`31|1|暴雨蓝色预警|成都今晨有暴雨$30|0|大风|阵风8级$");
    ASSERT_EQ(reply.items.size(), 2u);
    EXPECT_EQ(reply.items[0],
              item(u"31", u"1", u"暴雨蓝色预警", u"成都今晨有暴雨", u"08-19 09:12"));
    EXPECT_EQ(reply.items[1], item(u"30", u"0", u"大风", u"阵风8级", u"08-19 09:12"));
}

// A field the item lacks repeats what the item before it had.
TEST(WarningReplyItems, MissingFieldsRepeatThePreviousItem) {
    const auto reply = parseWarnings(u"t`5|1|A|text A$6|0|B$7|C$8|1|D|text D|extra$");
    ASSERT_EQ(reply.items.size(), 4u);
    EXPECT_EQ(reply.items[1], item(u"6", u"0", u"B", u"text A", u"t"));
    // Two fields: the second is both the Today flag and the title.
    EXPECT_EQ(reply.items[2], item(u"7", u"C", u"C", u"text A", u"t"));
    EXPECT_EQ(reply.items[3], item(u"8", u"1", u"D", u"text D", u"t"));
}

TEST(WarningReplyItems, FirstItemWithThreeFieldsHasAnEmptyText) {
    const auto reply = parseWarnings(u"t`5|1|A$");
    ASSERT_EQ(reply.items.size(), 1u);
    EXPECT_EQ(reply.items[0].text, u"");
}

TEST(WarningReplyItems, PreviousValuesCarryAcrossGroups) {
    const auto reply = parseWarnings(u"t`5|1|A|x$`6|0|B$");
    ASSERT_EQ(reply.items.size(), 2u);
    EXPECT_EQ(reply.items[1].text, u"x");
}

struct EmptyCase {
    const char16_t* reply;
};
class WarningReplyWithoutItems : public testing::TestWithParam<EmptyCase> {};

TEST_P(WarningReplyWithoutItems, HoldsNoItem) {
    const auto reply = parseWarnings(GetParam().reply);
    EXPECT_EQ(reply.status, weather::ReplyStatus::Ok);
    EXPECT_TRUE(reply.items.empty());
}

INSTANTIATE_TEST_SUITE_P(Replies, WarningReplyWithoutItems,
                         testing::Values(EmptyCase{u""}, EmptyCase{u"08-19 09:12"},
                                         EmptyCase{u"08-19 09:12`"},
                                         EmptyCase{u"t`5|1|A|unterminated"},
                                         // Items without an ID would be stored under an empty key
                                         // and break the joined ID list of the next request.
                                         EmptyCase{u"t`$$"}, EmptyCase{u"t`|1|A|x$"}));
