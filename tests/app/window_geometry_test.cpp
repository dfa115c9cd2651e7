#include "clock/app/window_geometry.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(WindowGeometry, EdgeMarginFollowsNumeralsOrTicks) {
    EXPECT_EQ(EdgeMargin({133, true, 5, 0, 0}), 11); // 133 / 12 = 11.08
    EXPECT_EQ(EdgeMargin({126, true, 5, 0, 0}), 10); // 10.5 rounds to even
    // Without numerals: R + 2F - trunc(R * ThickPos / 100).
    EXPECT_EQ(EdgeMargin({133, false, 5, 90, 100}), 66 + 2 * 7 - 59);
    // A numeral size that would divide by zero or go negative does not crash.
    EXPECT_EQ(EdgeMargin({133, true, 17, 0, 0}), 133);
    EXPECT_EQ(EdgeMargin({133, true, 40, 0, 0}), 133);
}

TEST(WindowGeometry, EdgeBandsInPriorityOrder) {
    EXPECT_EQ(EdgeAt(3, 3, 133, 133, 11), Edge::Left); // a corner counts as the left edge
    EXPECT_EQ(EdgeAt(130, 3, 133, 133, 11), Edge::Right);
    EXPECT_EQ(EdgeAt(60, 3, 133, 133, 11), Edge::Top);
    EXPECT_EQ(EdgeAt(60, 125, 133, 133, 11), Edge::Bottom);
    EXPECT_EQ(EdgeAt(60, 60, 133, 133, 11), Edge::None);
    EXPECT_EQ(EdgeAt(122, 60, 133, 133, 11), Edge::None); // exactly width - b is inside
}

TEST(WindowGeometry, ResizeKeepsTheClockSquareAndCentred) {
    const Rect r = Rect::Sized(500, 100, 133, 133);
    // Left edge 10 to the right: 10 smaller, 10 right, 5 down.
    ResizeResult res = ResizeStep(r, Edge::Left, 500, 150, 510, 150);
    ASSERT_TRUE(res.accepted);
    EXPECT_EQ(res.rect.left, 510);
    EXPECT_EQ(res.rect.top, 105);
    EXPECT_EQ(res.rect.width(), 123);
    EXPECT_EQ(res.rect.height(), 123);
    // Right edge 20 out: 20 larger, left unchanged, 10 up.
    res = ResizeStep(r, Edge::Right, 633, 150, 653, 150);
    EXPECT_EQ(res.rect.left, 500);
    EXPECT_EQ(res.rect.top, 90);
    EXPECT_EQ(res.rect.width(), 153);
    // Bottom edge 7 down: halves round to even (3.5 -> 4).
    res = ResizeStep(r, Edge::Bottom, 550, 233, 550, 240);
    EXPECT_EQ(res.rect.left, 496);
    EXPECT_EQ(res.rect.top, 100);
    EXPECT_EQ(res.rect.width(), 140);
    // Top edge 5 down: 2.5 -> 2.
    res = ResizeStep(r, Edge::Top, 550, 100, 550, 105);
    EXPECT_EQ(res.rect.left, 502);
    EXPECT_EQ(res.rect.top, 105);
}

TEST(WindowGeometry, ResizeBelowTheMinimumIsRefused) {
    const Rect r = Rect::Sized(0, 0, 60, 60);
    EXPECT_TRUE(ResizeStep(r, Edge::Left, 0, 0, 10, 0).accepted); // exactly 50
    const ResizeResult res = ResizeStep(r, Edge::Left, 0, 0, 11, 0);
    EXPECT_FALSE(res.accepted);
    EXPECT_EQ(res.rect.width(), 60); // the window stays as it was
    // At 144 DPI the smallest clock is 75 pixels.
    EXPECT_FALSE(ResizeStep(Rect::Sized(0, 0, 80, 80), Edge::Right, 0, 0, -6, 0, 75).accepted);
    EXPECT_TRUE(ResizeStep(Rect::Sized(0, 0, 80, 80), Edge::Right, 0, 0, -5, 0, 75).accepted);
}

TEST(WindowGeometry, LockRuleIsInvertedByTheTemporaryKey) {
    EXPECT_TRUE(LockApplies(true, false));
    EXPECT_FALSE(LockApplies(true, true));
    EXPECT_TRUE(LockApplies(false, true));
    EXPECT_FALSE(LockApplies(false, false));
}

TEST(WindowGeometry, EscapeMovesAwayFromTheCursor) {
    const Rect w = Rect::Sized(300, 300, 133, 133); // thirds of 44: 300..344..388..433
    EXPECT_EQ(MoveAway(w, 366, 301, 2).dy, 60);     // top middle: down
    EXPECT_EQ(MoveAway(w, 366, 301, 2).dx, 0);
    Offset o = MoveAway(w, 310, 310, 2); // upper-left corner, outside the middle thirds
    EXPECT_EQ(o.dx, 60);
    EXPECT_EQ(o.dy, 60);
    o = MoveAway(w, 301, 366, 2); // left middle: right
    EXPECT_EQ(o.dx, 60);
    EXPECT_EQ(o.dy, 0);
    o = MoveAway(w, 430, 366, 2); // right middle: left
    EXPECT_EQ(o.dx, -60);
    o = MoveAway(w, 366, 430, 2); // bottom middle: up
    EXPECT_EQ(o.dy, -60);
    o = MoveAway(w, 366, 366, 2); // centre: lower-right quadrant
    EXPECT_EQ(o.dx, -60);
    EXPECT_EQ(o.dy, -60);
    EXPECT_EQ(MoveAway(w, 433, 366, 2).dx, 0);  // the right edge is outside
    EXPECT_EQ(MoveAway(w, 366, 301, 0).dy, 90); // speed 0: 90-pixel steps
}
