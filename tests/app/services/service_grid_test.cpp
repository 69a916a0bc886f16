#include "app/services/ServiceGrid.h"

#include <gtest/gtest.h>

using services::ServiceGrid;

namespace {

enum class Key { Up, Down, Left, Right };

struct Move {
    int width;
    int from;
    Key key;
    int to;
    bool repaint = true;
};

void press(ServiceGrid& g, Key key, bool* repaint) {
    switch (key) {
        case Key::Up:
            *repaint = g.up();
            break;
        case Key::Down:
            *repaint = g.down();
            break;
        case Key::Left:
            *repaint = g.left();
            break;
        case Key::Right:
            *repaint = g.right();
            break;
    }
}

// Puts the selection on `index` by tapping its icon.
void selectByTap(ServiceGrid& g, int index) {
    const auto icon = g.iconRect(index);
    ASSERT_TRUE(g.tapDown(icon.left + 1, icon.top + 1));
    ASSERT_EQ(g.selected(), index);
    g.tapUp(-1, -1);
}

}  // namespace

class FiveEntryGridKeys : public testing::TestWithParam<Move> {};

TEST_P(FiveEntryGridKeys, MovesWithinTheEntries) {
    const Move m = GetParam();
    ServiceGrid g(5, m.width, 26);
    selectByTap(g, m.from);
    bool repaint = false;
    press(g, m.key, &repaint);
    EXPECT_EQ(g.selected(), m.to);
    EXPECT_EQ(repaint, m.repaint);
}

INSTANTIATE_TEST_SUITE_P(ThreeColumns, FiveEntryGridKeys,
                         testing::Values(Move{240, 1, Key::Down, 4}, Move{240, 2, Key::Down, 2},
                                         Move{240, 4, Key::Down, 0}, Move{240, 0, Key::Up, 4},
                                         Move{240, 2, Key::Up, 2, false}, Move{240, 4, Key::Up, 1},
                                         Move{240, 3, Key::Right, 4}, Move{240, 4, Key::Right, 2},
                                         Move{240, 2, Key::Right, 0}, Move{240, 3, Key::Left, 2},
                                         Move{240, 4, Key::Left, 3}, Move{240, 0, Key::Left, 2}));

INSTANTIATE_TEST_SUITE_P(FourColumns, FiveEntryGridKeys,
                         testing::Values(Move{320, 4, Key::Right, 1}, Move{320, 4, Key::Left, 3},
                                         Move{320, 3, Key::Down, 3}, Move{320, 4, Key::Down, 0}));

// One row: a wrap onto an empty cell has no row above to fall back on and
// must never leave the entries.
INSTANTIATE_TEST_SUITE_P(SixColumns, FiveEntryGridKeys,
                         testing::Values(Move{480, 2, Key::Down, 2}, Move{480, 4, Key::Down, 0},
                                         Move{480, 0, Key::Up, 4}, Move{480, 3, Key::Up, 3, false},
                                         Move{480, 4, Key::Right, 0}, Move{480, 0, Key::Left, 4},
                                         Move{480, 2, Key::Right, 3}));

TEST(FiveEntryGridKeys, NarrowDisplayStillHasOneColumn) {
    ServiceGrid g(5, 60, 26);
    EXPECT_EQ(g.columns(), 1);
    g.down();
    g.right();
    EXPECT_EQ(g.selected(), 1);
}

class GridTaps : public testing::Test {
protected:
    ServiceGrid grid{5, 240, 26};
};

TEST_F(GridTaps, PressAndReleaseOnOneIconOpensIt) {
    // Entry 4: row 1, column 1; icon from (96, 122) to (144, 170).
    ASSERT_TRUE(grid.tapDown(100, 130));
    EXPECT_EQ(grid.selected(), 4);
    EXPECT_EQ(grid.tapUp(140, 160), 4);
}

TEST_F(GridTaps, MarginAroundTheIconIsDead) {
    EXPECT_FALSE(grid.tapDown(85, 130));   // left margin of entry 4
    EXPECT_FALSE(grid.tapDown(100, 115));  // above its icon
    EXPECT_FALSE(grid.tapDown(100, 190));  // below it (label)
    EXPECT_FALSE(grid.tapDown(50, 10));    // header
    EXPECT_FALSE(grid.tapDown(180, 130));  // the empty cell after the last entry
    EXPECT_EQ(grid.selected(), 0);
    EXPECT_EQ(grid.tapUp(100, 130), std::nullopt);
}

TEST_F(GridTaps, ReleaseOnAnotherIconOpensNothing) {
    ASSERT_TRUE(grid.tapDown(20, 50));
    EXPECT_EQ(grid.tapUp(100, 50), std::nullopt);
    // The press is over: a later release on the first icon does nothing either.
    EXPECT_EQ(grid.tapUp(20, 50), std::nullopt);
}
