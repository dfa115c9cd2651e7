#include "clock/timesync/info_placement.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(InfoPlacement, BesideTheClock) {
    // Room on the left: the log's right edge meets the clock.
    EXPECT_EQ(PlaceInfoWindow(Rect::Sized(500, 300, 120, 120), 189, 160, 768), (Point{311, 300}));
    EXPECT_EQ(PlaceInfoWindow(Rect::Sized(189, 0, 120, 120), 189, 160, 768), (Point{0, 0}));
    // Clock at the left edge: the log goes to its right.
    EXPECT_EQ(PlaceInfoWindow(Rect::Sized(0, 300, 120, 120), 189, 160, 768), (Point{120, 300}));
    EXPECT_EQ(PlaceInfoWindow(Rect::Sized(188, 300, 120, 120), 189, 160, 768), (Point{308, 300}));
}

TEST(InfoPlacement, KeptOnTheScreenVertically) {
    // Near the bottom: lifted so that its bottom meets the screen's bottom.
    EXPECT_EQ(PlaceInfoWindow(Rect::Sized(500, 700, 120, 60), 189, 160, 768), (Point{311, 608}));
    EXPECT_EQ(PlaceInfoWindow(Rect::Sized(500, 608, 120, 60), 189, 160, 768), (Point{311, 608}));
    // Clock partly above the screen: the log starts at the top.
    EXPECT_EQ(PlaceInfoWindow(Rect::Sized(500, -40, 120, 120), 189, 160, 768), (Point{311, 0}));
}
