#include "clock/face/face_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "clock/face/face_colours.h"
#include "clock/face/face_metrics.h"
#include "face/face_test_style.h"

using namespace vistrel;

TEST(FaceRounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Nearest(0.5), 0);
    EXPECT_EQ(Nearest(1.5), 2);
    EXPECT_EQ(Nearest(2.5), 2);
    EXPECT_EQ(Nearest(-0.5), 0);
    EXPECT_EQ(Nearest(-1.5), -2);
    EXPECT_EQ(Nearest(2.5000001), 3);
    EXPECT_EQ(Nearest(-2.7), -3);
    // Exact fractions see a true half where floating point would see 3.4999...
    EXPECT_EQ(NearestRatio(35, 10), 4);
    EXPECT_EQ(NearestRatio(25, 10), 2);
    EXPECT_EQ(NearestRatio(-35, 10), -4);
    EXPECT_EQ(NearestRatio(-25, 10), -2);
    EXPECT_EQ(NearestRatio(-26, 10), -3);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(2.9), 2);
}

TEST(FaceRounding, HostileValuesAreHeldNotOverflowed) {
    EXPECT_EQ(Nearest(std::nan("")), 0);
    EXPECT_EQ(Nearest(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(Nearest(-INFINITY), std::numeric_limits<int>::min());
    EXPECT_EQ(Trunc(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(NearestRatio(std::numeric_limits<std::int64_t>::max() / 2, 1),
              std::numeric_limits<int>::max());
    EXPECT_EQ(NearestRatio(5, 0), 0);
    EXPECT_EQ(PolarX(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                     std::numeric_limits<int>::max()),
              PolarX(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                     std::numeric_limits<int>::max())); // runs clean under the sanitizers
}

TEST(FaceAngles, AddAngleWrapsOnceAndKeeps360) {
    EXPECT_EQ(AddAngle(350, 20), 10);
    EXPECT_EQ(AddAngle(2, -3), 359);
    EXPECT_EQ(AddAngle(350, 10), 360);
    EXPECT_EQ(AddAngle(0, 0), 0);
    EXPECT_EQ(AddAngle(90, 270), 360);
}

TEST(FaceAngles, ZeroPointsUpAndAnglesGrowClockwise) {
    const Point c{100, 100};
    EXPECT_EQ(PolarPoint(0, 10, c), (Point{100, 90}));
    EXPECT_EQ(PolarPoint(90, 10, c), (Point{110, 100}));
    EXPECT_EQ(PolarPoint(180, 10, c), (Point{100, 110}));
    EXPECT_EQ(PolarPoint(270, 10, c), (Point{90, 100}));
    EXPECT_EQ(PolarPoint(360, 10, c), PolarPoint(0, 10, c));
    EXPECT_EQ(PolarPoint(-90, 10, c), PolarPoint(270, 10, c));
    // A negative distance points the other way.
    EXPECT_EQ(PolarPoint(90, -10, c), PolarPoint(270, 10, c));
}

TEST(FaceAngles, MirrorPositionsOnTheDialRoundAlike) {
    // 1 and 11 o'clock, 2 and 4 o'clock etc. must be mirror images at every distance, or the
    // numerals and ticks on the left and right of the dial drift apart by a pixel.
    for (int distance = 1; distance <= 400; ++distance) {
        for (int angle = 0; angle <= 180; angle += 6) {
            const Point right = PolarPoint(angle, distance, {0, 0});
            const Point left = PolarPoint(360 - angle, distance, {0, 0});
            const Point below = PolarPoint(180 - angle, distance, {0, 0});
            ASSERT_EQ(left.x, -right.x) << angle << " " << distance;
            ASSERT_EQ(left.y, right.y) << angle << " " << distance;
            ASSERT_EQ(below.y, -right.y) << angle << " " << distance;
        }
    }
    EXPECT_EQ(PolarX(30, 3, 0), 2); // 1.5 is a true half and goes to 2
}

TEST(FaceMetricsTest, DefaultStyleAtSize133) {
    const FaceMetrics f = test_support::DefaultFace();
    EXPECT_EQ(f.radius, 66);
    EXPECT_EQ(f.shadow_offset, 1);
    EXPECT_EQ(f.tick5_half, 2);
    EXPECT_EQ(f.tick_half, 1);
    EXPECT_EQ(f.tick_ring, 49);
    EXPECT_EQ(f.numeral_ring, 66);
    EXPECT_EQ(f.centre, (Point{66, 66})); // 66.5 rounds to the even 66
    EXPECT_EQ(f.frame_radius, 65);
    EXPECT_EQ(f.frame_width, 5);
}

TEST(FaceMetricsTest, ShadowOffsetIsAtLeastOneAndGrowsWithSize) {
    EXPECT_EQ(test_support::DefaultFace(50).shadow_offset, 1);
    EXPECT_EQ(test_support::DefaultFace(300).shadow_offset, 2);
    EXPECT_EQ(test_support::DefaultFace(1000).shadow_offset, 7);
}

TEST(FaceMetricsTest, HostileStyleValuesAreHeldInTheirRanges) {
    FaceMeasures m = test_support::DefaultFaceMeasures();
    m.size = -5;
    m.thick_pos = 1'000'000;
    m.thick5_size = -3;
    m.moji_ban_pos = 999;
    m.frame_pos = 0;
    const FaceMetrics f = ComputeFaceMetrics(m);
    EXPECT_EQ(f.size, kMinClockSize);
    EXPECT_EQ(f.tick_ring, f.radius);
    EXPECT_EQ(f.tick5_half, 0);
    EXPECT_EQ(f.numeral_ring, f.radius);
    EXPECT_GE(f.frame_radius, 0);
    m.size = std::numeric_limits<int>::max();
    EXPECT_EQ(ComputeFaceMetrics(m).size, kMaxClockSize);
}

TEST(FaceMetricsTest, FontSizesNeverDivideByZero) {
    EXPECT_EQ(CaptionFontPoints(133, 7), 13);
    EXPECT_EQ(NumeralFontPoints(133, 5), 13);
    EXPECT_GT(CaptionFontPoints(133, 17), 0); // a hand-edited 17 would divide by zero
    EXPECT_GT(NumeralFontPoints(133, 15), 0);
    EXPECT_EQ(CaptionFontPoints(133, 17), CaptionFontPoints(133, 10));
    EXPECT_EQ(NarrowCharWidth(-18, 35), 5);
    EXPECT_EQ(NarrowCharWidth(18, 0), NarrowCharWidth(18, 20));
}

TEST(FaceColours, ShadesWorkOnTheColourBytesAndKeepTheTopByte) {
    const Colour yellow = 0x0000FFFF;
    EXPECT_EQ(FlatShade(0x00000000, 0), 0x00BFBFBFu); // lighter twice: 127, then 191
    EXPECT_EQ(FlatShade(0x00FFFFFF, 3), 0x003F3F3Fu);
    EXPECT_EQ(FlatShade(0x00000000, 1), 0x007F7F7Fu);
    EXPECT_EQ(FlatShade(yellow, 2), 0x00007F7Fu);
    EXPECT_EQ(FlatShade(0xFF000010, 2) & 0xFF000000u, 0xFF000000u);
    EXPECT_EQ(ShadeColour(yellow, 0, 0), 0x007FFFFFu);
    EXPECT_EQ(ShadeColour(yellow, 1, 0), yellow);
    EXPECT_EQ(ShadeColour(yellow, 2, 0), ShadeColour(yellow, 3, 0));
    EXPECT_EQ(ShadeColour(yellow, 3, 4), FlatShade(yellow, 3)); // flat styles shade harder
}

TEST(FaceColours, GradationRunsFromFirstToLastInSignedSteps) {
    const Colour first = 0x000066FF, last = 0x0000FF7F;
    EXPECT_EQ(GradationColour(first, last, 0, 12), first);
    EXPECT_EQ(GradationColour(first, last, 12, 12), last);
    // Red falls from 0xFF to 0x7F while green rises: both directions in one colour.
    const Colour half = GradationColour(first, last, 6, 12);
    EXPECT_EQ(half & 0xFF, 0xBFu);
    EXPECT_EQ((half >> 8) & 0xFF, 0xB2u); // 0x66 + nearest(0x99 / 2 = 76.5) = 0x66 + 76
    EXPECT_EQ(GradationColour(0x12000000, 0x00FFFFFF, 60, 60), 0x12FFFFFFu);
    EXPECT_EQ(GradationColour(first, last, 5, 0), first);
}
