#include "app/forecast/CityListGeometry.h"
#include "app/forecast/DetailScroll.h"
#include "app/forecast/ListScroll.h"

#include <gtest/gtest.h>

using app::CityListGeometry;
using app::DetailScroll;
using app::ListScroll;
using Rect = platform::ui::Rect;

// 240 x 320 display with a 26-pixel top margin.
constexpr int kWidth = 240;
constexpr int kHeight = 320;
constexpr int kTop = 26;

TEST(CityListGeometry, RowsSitSixtyPixelsApartBelowTheTopMargin) {
    const CityListGeometry g(kWidth, kHeight, kTop, 3);
    EXPECT_EQ(g.headerRect(), (Rect{0, 26, 220, 46}));
    EXPECT_EQ(g.rowPictureRect(0), (Rect{10, 46, 70, 106}));
    EXPECT_EQ(g.rowPictureRect(2), (Rect{10, 166, 70, 226}));
    EXPECT_EQ(g.nameOrigin(1), (CityListGeometry::Point{80, 116}));
    EXPECT_EQ(g.weatherOrigin(1), (CityListGeometry::Point{80, 136}));
    EXPECT_EQ(g.progressStrip(), (Rect{0, 268, 240, 294}));
    EXPECT_EQ(g.progressOrigin(true), (CityListGeometry::Point{20, 278}));
    EXPECT_EQ(g.progressOrigin(false), (CityListGeometry::Point{50, 278}));
}

TEST(CityListGeometry, ScrollBarAppearsOnlyWhenRowsOutgrowTheClientArea) {
    EXPECT_FALSE(CityListGeometry(kWidth, kHeight, kTop, 0).scrollBarShown());
    EXPECT_FALSE(CityListGeometry(kWidth, kHeight, kTop, 2).scrollBarShown());
    EXPECT_TRUE(CityListGeometry(kWidth, kHeight, kTop, 3).scrollBarShown());
    const CityListGeometry nine(kWidth, kHeight, kTop, 9);
    EXPECT_TRUE(nine.scrollBarShown());
    EXPECT_EQ(nine.listPictureHeight(), 26 + 540 + 140);
    // The selection bar stops short of the scroll bar while it shows.
    EXPECT_EQ(nine.selectionRect(0, 0).right, 240 - 13);
    EXPECT_EQ(CityListGeometry(kWidth, kHeight, kTop, 1).selectionRect(0, 0).right, 240);
}

TEST(CityListGeometry, PenFindsTheRowUnderItWithTheScrollOffset) {
    const CityListGeometry g(kWidth, kHeight, kTop, 9);
    EXPECT_EQ(g.rowAt({100, 20}, 0), std::nullopt);  // the header margin
    EXPECT_EQ(g.rowAt({100, 50}, 0), 0);
    EXPECT_EQ(g.rowAt({100, 106}, 0), 1);
    EXPECT_EQ(g.rowAt({100, 50}, 120), 2);
    EXPECT_EQ(g.rowAt({100, 280}, 300), 8);
    EXPECT_EQ(g.rowAt({100, 316}, 386), std::nullopt);  // below the last row
    EXPECT_TRUE(g.rowHitRect(2, 120).contains(100, 50));
    EXPECT_EQ(g.selectionRect(2, 120), (Rect{0, 50, 227, 100}));
}

TEST(ListScroll, StaysBetweenTopAndEndOfList) {
    ListScroll s;
    s.setExtent(9, 386);
    s.lineUp();
    EXPECT_EQ(s.offset(), 0);
    s.lineDown();
    EXPECT_EQ(s.offset(), 60);
    s.pageDown();
    EXPECT_EQ(s.offset(), 260);
    s.pageDown();  // less than a page is left
    EXPECT_EQ(s.offset(), 386);
    s.thumb(50);
    EXPECT_EQ(s.offset(), 270);
    EXPECT_EQ(s.position(), 50);
    s.thumb(100);
    EXPECT_EQ(s.offset(), 386);
    // Fewer rows pull the offset back in.
    s.setExtent(4, 0);
    EXPECT_EQ(s.offset(), 0);
}

TEST(DetailScroll, ThreeDaySpanStepsAndClamps) {
    DetailScroll s(340);
    s.resize(294);
    EXPECT_EQ(s.page(), 86);
    EXPECT_TRUE(s.barShown());
    s.lineDown();  // 0 + 1 < 14: moves
    EXPECT_EQ(s.offset(), 10);
    EXPECT_EQ(s.position(), 2);
    s.pageDown();
    EXPECT_EQ(s.offset(), 30);
    EXPECT_EQ(s.position(), 7);  // 2 + 5.88, truncated
    s.lineUp();
    EXPECT_EQ(s.offset(), 20);
    EXPECT_EQ(s.position(), 4);
    s.pageUp();  // at or below the minimum: back to the top
    EXPECT_EQ(s.offset(), 0);
    EXPECT_EQ(s.position(), 0);
    s.thumb(10);
    EXPECT_EQ(s.offset(), 34);
    s.resize(294);
    EXPECT_EQ(s.offset(), 0);
}

TEST(DetailScroll, WeeklySpanAndTallScreens) {
    DetailScroll weekly(480);
    weekly.resize(294);
    EXPECT_EQ(weekly.page(), 61);
    weekly.thumb(39);
    EXPECT_EQ(weekly.offset(), 187);
    weekly.lineDown();  // at the end: the picture stays
    EXPECT_EQ(weekly.offset(), 187);
    DetailScroll tall(340);
    tall.resize(614);
    EXPECT_FALSE(tall.barShown());
}
