#include "clock/face/hands.h"

#include <gtest/gtest.h>

#include <limits>

#include "face/face_test_style.h"
#include "support/region_probe.h"

using namespace vistrel;
using vistrel::test_support::RegionContains;

namespace {

constexpr Colour kColorH = 0x0000FFFF; // the default hour hand, yellow
constexpr Colour kEdge = 0x00000000;

// The default hour hand: 50 % long, 15 % tail, width 45.
HandSpec DefaultHourHand(int style, int angle) {
    return MakeHandSpec(test_support::DefaultFace(), {style, 50, 15, 45}, angle);
}

HandDrawing Draw(const HandSpec& hand_spec) {
    const FaceMetrics face = test_support::DefaultFace();
    return DrawHand(hand_spec, face.centre, kColorH, kEdge, face.radius);
}

} // namespace

TEST(HandSpecTest, DefaultHandsAtSize133) {
    const FaceMetrics face = test_support::DefaultFace();
    const HandSpec hour = MakeHandSpec(face, {0, 50, 15, 45}, 90);
    EXPECT_EQ(hour.long_len, 33);
    EXPECT_EQ(hour.short_len, 10);
    EXPECT_EQ(hour.width, 7);
    EXPECT_EQ(MakeHandSpec(face, {0, 80, 25, 31}, 0).width, 5);
    EXPECT_EQ(MakeHandSpec(face, {0, 80, 25, 10}, 0).width, 2);
}

TEST(HandSpecTest, AnglesFollowTheTimeOfDay) {
    const HandAngles a = HandAnglesAt(15, 30, 45);
    EXPECT_EQ(a.hour, 105); // half past three: halfway from 3 to 4
    EXPECT_EQ(a.minute, 180);
    EXPECT_EQ(a.second, 270);
    EXPECT_EQ(HandAnglesAt(0, 59, 0).hour, 29); // 29.5 is cut, not rounded
    EXPECT_EQ(HandAnglesAt(12, 0, 0).hour, 0);
    EXPECT_EQ(HandAnglesAt(23, 59, 59).hour, 359);
}

TEST(HandSpecTest, SeparateStylesOnlyWhenSwitchedOn) {
    const HandStyles shared = ChooseHandStyles(7, false, 3, 12);
    EXPECT_EQ(shared.minute, 7);
    EXPECT_EQ(shared.second, 7);
    const HandStyles own = ChooseHandStyles(7, true, 3, 12);
    EXPECT_EQ(own.hour, 7);
    EXPECT_EQ(own.minute, 3);
    EXPECT_EQ(own.second, 12);
}

TEST(HandFacets, HourHandAtThreeIsLitAboveAndShadedBelow) {
    const HandDrawing d = Draw(DefaultHourHand(0, 90));
    ASSERT_EQ(d.clipped_fills.size(), 2u);
    // The darker right half (below the hand pointing right) is painted first.
    const HandFill& first = d.clipped_fills[0];
    const HandFill& second = d.clipped_fills[1];
    EXPECT_EQ(first.part, HandPart::Right);
    EXPECT_EQ(first.colour, 0x00007F7Fu); // v div 2
    EXPECT_EQ(second.part, HandPart::Left);
    EXPECT_EQ(second.colour, 0x007FFFFFu); // (v + 255) div 2
    const Point c = test_support::DefaultFace().centre;
    EXPECT_GT(first.points[1].y, c.y);
    EXPECT_LT(second.points[1].y, c.y);
    EXPECT_GT(first.points[0].x, c.x); // both start at the tip, right of the centre
    EXPECT_TRUE(d.overlay_fills.empty());
    EXPECT_FALSE(d.edge.has_value());
}

TEST(HandFacets, DarkerHalfFirstAtEveryAngle) {
    for (const int style : {0, 1, 2, 6, 7, 8}) {
        for (int angle = 0; angle <= 360; ++angle) {
            const HandDrawing d = Draw(DefaultHourHand(style, angle));
            ASSERT_EQ(d.clipped_fills.size(), 2u);
            ASSERT_NE(d.clipped_fills[0].shade, d.clipped_fills[1].shade) << angle;
            ASSERT_GT(d.clipped_fills[0].shade, d.clipped_fills[1].shade) << style << " " << angle;
        }
    }
    EXPECT_EQ(HalfShadesAt(0).left, HalfShadesAt(360).left);
    EXPECT_EQ(HalfShadesAt(0).left, 1);
    EXPECT_EQ(HalfShadesAt(0).right, 2);
    // The borders of the table fall on the last angle of each band.
    EXPECT_EQ(HalfShadesAt(90).left, 0);
    EXPECT_EQ(HalfShadesAt(91).left, 1);
    EXPECT_EQ(HalfShadesAt(315).left, 2);
    EXPECT_EQ(HalfShadesAt(316).left, 1);
}

TEST(HandFacets, SquareHandPaintsTipRightTailLeft) {
    const HandDrawing d = Draw(DefaultHourHand(3, 0));
    ASSERT_EQ(d.clipped_fills.size(), 4u);
    EXPECT_EQ(d.clipped_fills[0].part, HandPart::TipFacet);
    EXPECT_EQ(d.clipped_fills[1].part, HandPart::Right);
    EXPECT_EQ(d.clipped_fills[2].part, HandPart::TailFacet);
    EXPECT_EQ(d.clipped_fills[3].part, HandPart::Left);
    // Pointing up, the light from the upper left falls on the tip and the left side.
    EXPECT_EQ(d.clipped_fills[0].shade, 0);
    EXPECT_EQ(d.clipped_fills[3].shade, 1);
    EXPECT_EQ(d.clipped_fills[3].colour, kColorH);
    EXPECT_EQ(d.clipped_fills[2].shade, 3);
    // The facets meet on the axis: the tip facet's inner point lies on the vertical axis.
    EXPECT_EQ(d.clipped_fills[0].points[2].x, test_support::DefaultFace().centre.x);
}

TEST(HandFacets, FlatStylesLayAFaceInTheBaseColourOnTop) {
    for (const int style : {1, 4, 7}) {
        const HandDrawing d = Draw(DefaultHourHand(style, 200));
        ASSERT_EQ(d.overlay_fills.size(), 1u) << style;
        EXPECT_EQ(d.overlay_fills[0].colour, kColorH);
        EXPECT_EQ(d.overlay_fills[0].part, HandPart::FlatFace);
        // The face is smaller than the outline: its tip is nearer the centre.
        const Point c = test_support::DefaultFace().centre;
        const Polygon outline = HandOutline(style == 1   ? HandFamily::Normal
                                            : style == 4 ? HandFamily::Square
                                                         : HandFamily::Diamond,
                                            200, {33, 10, 7}, c);
        EXPECT_EQ(d.region.parts[0].points, outline);
        for (const HandFill& f : d.clipped_fills) EXPECT_NE(f.colour, kColorH) << style;
    }
}

TEST(HandOutlines, EmptyStylesLeaveTheMiddleSeeThrough) {
    const Point c = test_support::DefaultFace().centre;
    for (const int style : {2, 5, 8}) {
        const HandDrawing d = Draw(DefaultHourHand(style, 0));
        ASSERT_EQ(d.region.parts.size(), 2u) << style;
        EXPECT_EQ(d.region.parts[1].op, RegionOp::Cut);
        // Up the axis, 15 pixels out: inside the outline but in the hole.
        EXPECT_FALSE(RegionContains(d.region, c.x, c.y - 15)) << style;
        // The rim along the side of the hand is still there.
        bool rim = false;
        for (int x = c.x - 8; x <= c.x + 8; ++x) rim = rim || RegionContains(d.region, x, c.y - 15);
        EXPECT_TRUE(rim) << style;
    }
    const HandDrawing solid = Draw(DefaultHourHand(0, 0));
    EXPECT_TRUE(RegionContains(solid.region, c.x, c.y - 15));
}

TEST(HandOutlines, ZeroTailPutsTheTailAtTheCentre) {
    const FaceMetrics face = test_support::DefaultFace();
    const HandSpec hand_spec = MakeHandSpec(face, {0, 50, 0, 45}, 45);
    const Polygon kite =
        HandOutline(HandFamily::Normal, hand_spec.angle,
                    {hand_spec.long_len, hand_spec.short_len, hand_spec.width}, face.centre);
    EXPECT_EQ(kite[2], face.centre); // the kite has become a triangle
    EXPECT_FALSE(RegionContains(Draw(hand_spec).region, face.centre.x - 3, face.centre.y + 3));
}

TEST(HandOutlines, SimpleStylesFillOneColourAndDrawAnEdge) {
    for (int style = 9; style <= 14; ++style) {
        const HandDrawing d = Draw(DefaultHourHand(style, 30));
        ASSERT_TRUE(d.edge.has_value()) << style;
        EXPECT_EQ(*d.edge, kEdge);
        for (const HandFill& f : d.clipped_fills) EXPECT_EQ(f.colour, kColorH) << style;
        EXPECT_TRUE(d.overlay_fills.empty());
    }
    for (int style = 0; style <= 8; ++style) EXPECT_FALSE(Draw(DefaultHourHand(style, 30)).edge);
}

TEST(HandOutlines, ArrowIsAHeadOnAThinShaft) {
    const Point c = test_support::DefaultFace().centre;
    const HandDrawing d = Draw(DefaultHourHand(12, 0));
    ASSERT_EQ(d.region.parts.size(), 2u);
    EXPECT_TRUE(RegionContains(d.region, c.x, c.y - 30));     // the head, just behind the tip
    EXPECT_FALSE(RegionContains(d.region, c.x + 4, c.y - 8)); // beside the shaft
}

TEST(HandOutlines, ShortTriangleStandsInFrontOfTheCentre) {
    const FaceMetrics face = test_support::DefaultFace();
    // Tail 10 % of R: D = 2 x 7 - 20 = -6, so the base is 6 pixels towards the tip.
    const HandDrawing d = Draw(MakeHandSpec(face, {13, 50, 10, 45}, 0));
    ASSERT_EQ(d.region.parts.size(), 1u);
    const Polygon& tri = d.region.parts[0].points;
    EXPECT_EQ(tri[1].y, face.centre.y - 6);
    EXPECT_EQ(tri[2].y, face.centre.y - 6);
    EXPECT_FALSE(RegionContains(d.region, face.centre.x, face.centre.y));
    // A long enough tail puts the base behind the centre again.
    const HandDrawing behind = Draw(MakeHandSpec(face, {13, 50, 30, 45}, 0));
    EXPECT_GT(behind.region.parts[0].points[1].y, face.centre.y);
}

TEST(HandOutlines, HostileValuesNeverCrash) {
    const FaceMetrics face = test_support::DefaultFace();
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const HandSpec hostile[] = {
        {0, 0, 0, 0, 0},       {0, kMin, kMax, kMax, kMax},
        {0, kMax, -5, -5, -5}, {0, -725, 40, 30, kMax},
        {0, 90, 0, 0, 1},
    };
    for (int style = 0; style < kHandStyleCount; ++style) {
        for (HandSpec hand_spec : hostile) {
            hand_spec.style = style;
            const HandDrawing d = DrawHand(hand_spec, face.centre, kColorH, kEdge, kMax);
            EXPECT_FALSE(d.IsEmpty()) << style;
            for (const RegionPart& part : d.region.parts)
                for (const Point& p : part.points) {
                    EXPECT_LE(std::abs(p.x - face.centre.x), 3 * kMaxHandMeasure);
                    EXPECT_LE(std::abs(p.y - face.centre.y), 3 * kMaxHandMeasure);
                }
        }
    }
    for (const int style : {-1, 15, kMax, kMin}) {
        const HandDrawing d = DrawHand({style, 0, 30, 10, 7}, face.centre, kColorH, kEdge, 66);
        EXPECT_TRUE(d.IsEmpty());
        EXPECT_TRUE(d.clipped_fills.empty());
        EXPECT_FALSE(d.edge);
    }
    const HandSpec held = MakeHandSpec(face, {0, kMax, kMin, kMax}, 0);
    EXPECT_EQ(held.long_len, face.radius);
    EXPECT_EQ(held.short_len, 0);
    EXPECT_EQ(held.width, MakeHandSpec(face, {0, 0, 0, 100}, 0).width);
}
