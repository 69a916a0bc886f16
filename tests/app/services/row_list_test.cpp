#include "app/services/RowList.h"

#include <gtest/gtest.h>

using services::RowList;

TEST(RowListKeys, WrapAtBothEnds) {
    RowList list(26, 1);
    list.setCount(3);
    EXPECT_TRUE(list.up());
    EXPECT_EQ(list.row(), 2);
    EXPECT_TRUE(list.down());
    EXPECT_EQ(list.row(), 0);
}

TEST(RowListKeys, DoNothingBelowTheMinimumRowCount) {
    RowList warnings(26, 1);
    EXPECT_FALSE(warnings.down());
    EXPECT_FALSE(warnings.up());
    RowList reports(26, 2);
    reports.setCount(1);
    EXPECT_FALSE(reports.down());
    EXPECT_EQ(reports.row(), 0);
}

TEST(RowListKeys, ShrinkingTheListKeepsTheSelectionOnAShownRow) {
    RowList list(26, 1);
    list.setCount(5);
    list.select(4);
    list.setCount(4);
    EXPECT_EQ(list.row(), 3);
    list.setCount(0);
    EXPECT_EQ(list.row(), 0);
    list.setCount(9);
    EXPECT_EQ(list.count(), 5);
}

struct Tap {
    int y;
    int row;  // -1: ignored
};
class RowListTaps : public testing::TestWithParam<Tap> {};

TEST_P(RowListTaps, OnlyTheTextPartOfAShownRowTakesAPress) {
    RowList list(26, 1);
    list.setCount(2);
    const Tap t = GetParam();
    EXPECT_EQ(list.tapDown(10, t.y, 320), t.row >= 0);
    if (t.row >= 0) {
        EXPECT_EQ(list.row(), t.row);
        EXPECT_TRUE(list.tapUp(300, t.y));
    }
}

INSTANTIATE_TEST_SUITE_P(Points, RowListTaps,
                         testing::Values(Tap{10, -1}, Tap{26, -1}, Tap{30, -1}, Tap{31, 0},
                                         Tap{55, 0}, Tap{56, -1}, Tap{61, 1}, Tap{85, 1},
                                         Tap{86, -1}, Tap{100, -1}));

TEST(RowListTaps, ReleaseOutsideThePressedRowOnlyEndsThePress) {
    RowList list(26, 1);
    list.setCount(2);
    ASSERT_TRUE(list.tapDown(10, 40, 240));
    EXPECT_FALSE(list.tapUp(10, 70));
    EXPECT_FALSE(list.tapUp(10, 40));
}
