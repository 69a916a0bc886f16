#include "app/services/ScrollAxis.h"

#include <gtest/gtest.h>

#include "platform/ui/WinDefs.h"

using namespace platform::ui;
using services::ScrollAxis;

// A 1000-pixel text in a 268-pixel view, as the report text screens scroll.
class TextScroll : public testing::Test {
protected:
    void SetUp() override { axis.reset(1000, 268, 26); }
    ScrollAxis axis{10, 0, 6};
};

TEST_F(TextScroll, UpAtTheTopStaysAtTheTop) {
    EXPECT_FALSE(axis.keyUp(40));
    EXPECT_EQ(axis.offset(), 0);
    EXPECT_EQ(axis.position(), 0);
}

TEST_F(TextScroll, DownStepsThenStopsAtTheBottomOffset) {
    EXPECT_TRUE(axis.keyDown(40));
    EXPECT_EQ(axis.offset(), 40);
    EXPECT_EQ(axis.position(), 4);
    while (axis.keyDown(40)) {
    }
    EXPECT_EQ(axis.offset(), 1000 - 268 - 6);
    EXPECT_EQ(axis.position(), 100 - 26 + 1);
}

// A press of Up from a small offset must not scroll above the picture.
TEST_F(TextScroll, UpNeverGoesAboveTheTop) {
    axis.scrollBar(SB_LINEDOWN, 0);
    ASSERT_EQ(axis.offset(), 10);
    EXPECT_TRUE(axis.keyUp(40));
    EXPECT_EQ(axis.offset(), 0);
}

TEST_F(TextScroll, BarRequestsMoveAndClamp) {
    axis.scrollBar(SB_PAGEDOWN, 0);
    EXPECT_EQ(axis.offset(), 268);
    EXPECT_EQ(axis.position(), 26);
    axis.scrollBar(SB_PAGEUP, 0);
    EXPECT_EQ(axis.offset(), 0);
    axis.scrollBar(SB_THUMBTRACK, 50);
    EXPECT_EQ(axis.offset(), 500);
    axis.scrollBar(SB_THUMBPOSITION, 90);
    EXPECT_EQ(axis.offset(), axis.bottom());
    EXPECT_EQ(axis.position(), 75) << "the thumb stays inside the track";
    // Leaving the end: the view follows once the thumb has left the last page.
    axis.scrollBar(SB_LINEUP, 0);
    EXPECT_EQ(axis.position(), 74);
    EXPECT_EQ(axis.offset(), axis.bottom());
    axis.scrollBar(SB_LINEUP, 0);
    EXPECT_EQ(axis.offset(), axis.bottom() - 10);
}

// Content shorter than the view: there is nothing to scroll to, in either
// direction, so the picture is always shown from its top.
TEST(ShortContent, StaysAtTheTop) {
    ScrollAxis axis(10, 20, 6);
    axis.reset(90, 268, 100);
    EXPECT_EQ(axis.bottom(), 0);
    axis.keyDown(40);
    EXPECT_EQ(axis.offset(), 0);
    for (int request : {SB_LINEDOWN, SB_PAGEDOWN, SB_LINEUP, SB_PAGEUP}) {
        axis.scrollBar(request, 0);
        EXPECT_EQ(axis.offset(), 0) << request;
    }
}

TEST(DangerScroll, PageRequestsMoveTwentyPixels) {
    ScrollAxis axis(10, 20, 6);
    axis.reset(430, 214, 50);
    axis.scrollBar(SB_PAGEDOWN, 0);
    EXPECT_EQ(axis.offset(), 20);
    EXPECT_EQ(axis.position(), 4);
    axis.scrollBar(SB_LINEDOWN, 0);
    EXPECT_EQ(axis.offset(), 30);
}
