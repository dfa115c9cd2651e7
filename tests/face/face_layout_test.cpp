#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <map>

#include "clock/common/date_time.h"
#include "clock/face/alarm_marks.h"
#include "clock/face/face_captions.h"
#include "clock/face/face_frame.h"
#include "clock/face/face_layers.h"
#include "clock/face/face_numerals.h"
#include "clock/face/face_ticks.h"
#include "face/face_test_style.h"
#include "support/region_probe.h"

using namespace vistrel;
using vistrel::test_support::DefaultFace;
using vistrel::test_support::RegionContains;

namespace {

TickStyleValues DefaultTicks() {
    TickStyleValues v;
    v.major_thick = true;
    v.minor_thick = true;
    v.thick_style = 1;
    v.gradation = true;
    v.color5 = 65280;
    v.color_t = 16777164;
    v.color52 = 16711935;
    v.color_t2 = 255;
    v.color_thick_change = 65535;
    return v;
}

NumeralStyleValues DefaultNumerals(int hour = 10) {
    NumeralStyleValues v;
    v.show = true;
    v.all = true;
    v.type = 0;
    v.pitch = true;
    v.shadow = true;
    v.gradation = true;
    v.first = 26367;
    v.last = 65407;
    v.hour = hour;
    return v;
}

// A font of 6-pixel characters, 4 when narrowed, 12 pixels high.
TextExtent FixedFont(const std::string& text, bool narrowed) {
    int chars = 0;
    for (const char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return {chars * (narrowed ? 4 : 6), 12};
}

std::vector<std::string> Texts(const NumeralLayout& l) {
    std::vector<std::string> out;
    for (const NumeralPlacement& p : l.numerals) out.push_back(p.text);
    return out;
}

} // namespace

TEST(FaceLayers, DefaultOrderStacksTimeAtTheBackAndAlarmMarksInFront) {
    const std::array<int, 7> order{0, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(LayerStack(order),
              (std::vector<FaceLayer>{FaceLayer::Time, FaceLayer::Frame, FaceLayer::Date,
                                      FaceLayer::Numerals, FaceLayer::Ticks, FaceLayer::Hands,
                                      FaceLayer::AlarmMarks}));
}

TEST(FaceLayers, RepeatedAndUnknownCodes) {
    const std::array<int, 7> allMarks{0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(LayerStack(allMarks), std::vector<FaceLayer>(7, FaceLayer::AlarmMarks));
    const std::array<int, 7> withNine{1, 9, 2, -1, 3, 4, 255};
    EXPECT_EQ(LayerStack(withNine), (std::vector<FaceLayer>{FaceLayer::Date, FaceLayer::Numerals,
                                                            FaceLayer::Ticks, FaceLayer::Hands}));
}

TEST(FaceTicks, DefaultRingAtSize133) {
    const FaceMetrics face = DefaultFace();
    const TickLayout l = LayoutTicks(face, DefaultTicks());
    ASSERT_EQ(l.marks.size(), 60u);
    // Centres on the circle RT - H5 = 47; the five-minute ticks reach out to RT.
    EXPECT_EQ(l.marks[0].centre, (Point{66, 19}));
    EXPECT_EQ(l.marks[0].box, (Rect{64, 17, 68, 21}));
    EXPECT_EQ(l.marks[15].centre, (Point{113, 66}));
    EXPECT_EQ(l.marks[1].half, 1);
    EXPECT_TRUE(l.marks[55].five_minute);
    EXPECT_EQ(l.marks[0].colour, 65280u);
    EXPECT_EQ(l.marks[1].colour, GradationColour(16777164, 255, 1, 60));
    EXPECT_EQ(l.region.parts.size(), 60u);
    EXPECT_TRUE(l.mask_boxes.empty());
}

TEST(FaceTicks, WhichTicksAreDrawnAndInWhatColour) {
    TickStyleValues v = DefaultTicks();
    v.minor_thick = false;
    v.color_change = true;
    v.current_second = 37;
    const TickLayout l = LayoutTicks(DefaultFace(), v);
    ASSERT_EQ(l.marks.size(), 13u); // twelve five-minute ticks and the current second
    const TickMark& now = l.marks[8];
    EXPECT_EQ(now.index, 37);
    EXPECT_TRUE(now.current_second);
    EXPECT_EQ(now.colour, 65535u);

    v.gradation = false;
    v.minor_thick = true;
    v.color_change = false;
    for (const TickMark& m : LayoutTicks(DefaultFace(), v).marks)
        EXPECT_EQ(m.colour, m.five_minute ? 65280u : 16777164u) << m.index;

    v.major_thick = false;
    EXPECT_TRUE(LayoutTicks(DefaultFace(), v).marks.empty());
}

TEST(FaceTicks, SimpleStylesGoThroughTheShapeImageWithTheirShadow) {
    TickStyleValues v = DefaultTicks();
    v.thick_style = 2;
    v.color_change = true;
    v.current_second = 0;
    const TickLayout l = LayoutTicks(DefaultFace(), v);
    EXPECT_TRUE(l.region.parts.empty());
    ASSERT_EQ(l.mask_boxes.size(), 120u);
    EXPECT_EQ(l.mask_boxes[0], (Rect{65, 18, 69, 22})); // shifted by d = 1
    EXPECT_EQ(l.mask_boxes[1], (Rect{64, 17, 68, 21}));

    const std::vector<TickBox> paint = SimpleTickPaint(l);
    ASSERT_EQ(paint.size(), 120u);
    // The current second stays unshifted and coloured in the shadow pass too.
    EXPECT_EQ(paint[0].box, l.marks[0].box);
    EXPECT_EQ(paint[0].colour, 65535u);
    EXPECT_EQ(paint[1].colour, kBlack);
    EXPECT_EQ(paint[1].box.left, l.marks[1].box.left + 1);
    EXPECT_EQ(paint[61].colour, l.marks[1].colour);
    EXPECT_EQ(paint[61].box, l.marks[1].box);

    v.thick_style = 99; // held at the last style, a simple one
    EXPECT_EQ(LayoutTicks(DefaultFace(), v).style, kTickSquareSimple);
}

TEST(FaceTicks, BevelsLightTopLeftAndShadeBottomRight) {
    TickMark m;
    m.centre = {50, 50};
    m.half = 5;
    m.box = {45, 45, 55, 55};
    m.colour = 0x00808080;
    const std::vector<Polyline> bevel = SquareTickBevel(m);
    ASSERT_EQ(bevel.size(), 3u);
    EXPECT_EQ(bevel[0].points.front(), (Point{45, 54}));
    EXPECT_EQ(bevel[0].points[1], (Point{45, 45}));
    EXPECT_GT(bevel[0].colour & 0xFF, 0x80u);
    EXPECT_EQ(bevel[1].points.back(), (Point{45, 54}));
    EXPECT_LT(bevel[1].colour & 0xFF, 0x80u);
    const CircleTickBevel circle = CircleTickBevelOf(m);
    EXPECT_EQ(circle.inner, (Rect{47, 47, 53, 53}));
    EXPECT_EQ(circle.arc_from, (Point{45, 55}));
    EXPECT_EQ(circle.arc_to, (Point{55, 45}));
}

TEST(FaceNumerals, TwentyFourHourSetFollowsTheHour) {
    const auto texts = [](int hour) {
        NumeralStyleValues v = DefaultNumerals(hour);
        v.type = 3;
        return Texts(LayoutNumerals(DefaultFace(), v, FixedFont));
    };
    EXPECT_EQ(texts(0).front(), "13");
    EXPECT_EQ(texts(0).back(), "24");
    EXPECT_EQ(texts(18).front(), "13");
    EXPECT_EQ(texts(12).front(), "1");
    EXPECT_EQ(texts(12).back(), "12");
    EXPECT_EQ(texts(1).front(), "1");
}

TEST(FaceNumerals, NarrowingStartsAtTheFirstTwoCharacterNumeral) {
    const auto narrowed = [](NumeralStyleValues v) {
        std::map<int, bool> out;
        for (const NumeralPlacement& p : LayoutNumerals(DefaultFace(), v, FixedFont).numerals)
            out[p.number] = p.narrowed;
        return out;
    };
    NumeralStyleValues v = DefaultNumerals();
    auto n = narrowed(v);
    EXPECT_FALSE(n[9]);
    EXPECT_TRUE(n[10]);
    EXPECT_TRUE(n[11]);
    EXPECT_TRUE(n[12]);
    v.type = 1; // Roman: "Ⅹ" is one character, "ⅩⅠ" two
    n = narrowed(v);
    EXPECT_FALSE(n[10]);
    EXPECT_TRUE(n[11]);
    v.type = 2;
    n = narrowed(v);
    EXPECT_FALSE(n[12]);
    v.type = 3;
    v.hour = 15;
    n = narrowed(v);
    EXPECT_TRUE(n[1]); // "13"
    v = DefaultNumerals();
    v.pitch = false;
    EXPECT_FALSE(narrowed(v)[12]);
    // Only the quarters shown: 10 is not drawn but still switches the font for 12.
    v = DefaultNumerals();
    v.all = false;
    const NumeralLayout quarters = LayoutNumerals(DefaultFace(), v, FixedFont);
    ASSERT_EQ(Texts(quarters), (std::vector<std::string>{"3", "6", "9", "12"}));
    EXPECT_TRUE(quarters.numerals[3].narrowed);
}

TEST(FaceNumerals, PlacedOnTheRingAndShadedAlongTheGradation) {
    const FaceMetrics face = DefaultFace();
    const NumeralLayout l = LayoutNumerals(face, DefaultNumerals(), FixedFont);
    ASSERT_EQ(l.numerals.size(), 12u);
    // "12" narrowed is 8 x 12: centred above the centre, its middle 6 pixels inside the ring.
    const NumeralPlacement& twelve = l.numerals[11];
    EXPECT_EQ(twelve.top_left, (Point{62, 0}));
    // 3 and 9 are mirror images about the centre.
    const NumeralPlacement& three = l.numerals[2];
    const NumeralPlacement& nine = l.numerals[8];
    EXPECT_EQ(three.top_left.y, nine.top_left.y);
    EXPECT_EQ(three.top_left.x - face.centre.x, face.centre.x - (nine.top_left.x + 6));
    EXPECT_EQ(twelve.colour, 65407u);
    EXPECT_EQ(l.numerals[0].colour, GradationColour(26367, 65407, 1, 12));
    EXPECT_EQ(l.shadow_offset, 1);

    NumeralStyleValues off = DefaultNumerals();
    off.show = false;
    EXPECT_TRUE(LayoutNumerals(face, off, FixedFont).numerals.empty());
    off = DefaultNumerals();
    off.type = 42; // held at the twenty-four hour set
    off.hour = 15;
    EXPECT_EQ(LayoutNumerals(face, off, FixedFont).numerals[0].text, "13");
}

TEST(FaceCaptions, DateSideByTheClock) {
    EXPECT_TRUE(DateSideFor(1, 3, false)); // hour hand down-right: date above
    EXPECT_FALSE(DateSideFor(1, 9, true));
    EXPECT_TRUE(DateSideFor(1, 20, false));
    EXPECT_FALSE(DateSideFor(1, 21, true));
    EXPECT_TRUE(DateSideFor(0, 11, false));
    EXPECT_FALSE(DateSideFor(0, 12, true));
    EXPECT_TRUE(DateSideFor(2, 17, false));
    EXPECT_FALSE(DateSideFor(3, 5, true));
    EXPECT_TRUE(DateSideFor(7, 5, true)); // unknown codes keep the last side
    EXPECT_FALSE(DateSideFor(-1, 5, false));
}

TEST(FaceCaptions, TimeSideOppositeTheDateByDefault) {
    for (const bool date : {true, false}) {
        EXPECT_EQ(TimeSideFor(0, date, date), !date);
        EXPECT_TRUE(TimeSideFor(1, date, false));
        EXPECT_FALSE(TimeSideFor(2, date, true));
        EXPECT_EQ(TimeSideFor(3, date, date), date);
    }
}

TEST(FaceCaptions, DistanceRunsFromTheCentreLineToTheRim) {
    const FaceMetrics face = DefaultFace();
    const TextExtent text{40, 14};
    const Point against = CaptionTopLeft(face, text, 0, true);
    EXPECT_EQ(against.y + text.height, face.centre.y);
    EXPECT_EQ(CaptionTopLeft(face, text, 0, false).y, face.centre.y);
    EXPECT_EQ(CaptionTopLeft(face, text, 20, true).y, face.centre.y - face.radius);
    EXPECT_EQ(CaptionTopLeft(face, text, 20, false).y + text.height, face.centre.y + face.radius);
    EXPECT_EQ(against.x, 46); // nearest(93 / 2) = 46
    EXPECT_EQ(CaptionTopLeft(face, text, 500, true), CaptionTopLeft(face, text, 20, true));
}

TEST(FaceFrame, ThreeShapesAsRings) {
    const FaceMetrics face = DefaultFace(); // FR 65, FW 5
    const Point c = face.centre;
    for (const int style : {kFrameCircle, kFrameSquare, kFrameOctagon}) {
        const FrameDrawing d = DrawFrame(face, {true, style, 0x00112233, 0});
        ASSERT_EQ(d.region.parts.size(), 2u) << style;
        EXPECT_TRUE(RegionContains(d.region, c.x, c.y - 62)) << style;
        EXPECT_FALSE(RegionContains(d.region, c.x, c.y - 50)) << style;
        EXPECT_FALSE(RegionContains(d.region, c.x, c.y)) << style;
        EXPECT_EQ(d.edge, std::optional<Colour>(0u));
    }
    // Corners: only the square reaches into them.
    EXPECT_TRUE(
        RegionContains(DrawFrame(face, {true, kFrameSquare, 0, 1}).region, c.x - 63, c.y - 63));
    EXPECT_FALSE(
        RegionContains(DrawFrame(face, {true, kFrameCircle, 0, 1}).region, c.x - 63, c.y - 63));
}

TEST(FaceFrame, WideFrameFillsAndOddValuesDrawNothing) {
    FaceMeasures m = test_support::DefaultFaceMeasures();
    m.frame_width = 100;
    const FaceMetrics face = ComputeFaceMetrics(m);
    for (const int style : {kFrameSquare, kFrameOctagon})
        EXPECT_TRUE(RegionContains(DrawFrame(face, {true, style, 0, 0}).region, face.centre.x + 1,
                                   face.centre.y + 1))
            << style;
    const FrameDrawing circle = DrawFrame(face, {true, kFrameCircle, 0, 0});
    EXPECT_EQ(circle.region.parts[1].box,
              (Rect{face.centre.x, face.centre.y, face.centre.x + 1, face.centre.y + 1}));
    EXPECT_FALSE(circle.edge); // fill and edge colours alike: no edge line
    EXPECT_TRUE(DrawFrame(face, {true, 3, 0, 1}).region.parts.empty());
    EXPECT_TRUE(DrawFrame(face, {true, -1, 0, 1}).region.parts.empty());
    EXPECT_TRUE(DrawFrame(face, {false, kFrameCircle, 0, 1}).region.parts.empty());
}

TEST(FaceAlarmMarks, WalkStopsAtTheFirstAlarmBeyondTheHorizon) {
    const FaceMetrics face = DefaultFace();
    const TDateTime now = EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);
    const std::vector<AlarmMarkSource> alarms = {
        {1, 0x0000FF, EncodeDateTime(2026, 12, 8, 9, 59, 0, 0)},  // already due
        {2, 0x00FF00, EncodeDateTime(2026, 12, 8, 10, 15, 0, 0)}, // inside 30 minutes
        {1, 0xFF0000, EncodeDateTime(2026, 12, 8, 11, 0, 0, 0)},  // beyond: the walk ends
        {2, 0x00FFFF, EncodeDateTime(2026, 12, 8, 10, 5, 0, 0)},  // would qualify, not reached
    };
    const AlarmMarksDrawing d = DrawAlarmMarks(face, {true, 1, 30, 0}, alarms, now);
    ASSERT_EQ(d.marks.size(), 2u);
    EXPECT_EQ(d.marks[0].angle, 354);
    EXPECT_EQ(d.marks[1].angle, 90);
    EXPECT_EQ(d.marks[1].colour, 0x00FF00u);
    // Join 0 shows only what is already due; the hour join looks hours ahead.
    EXPECT_EQ(DrawAlarmMarks(face, {true, 0, 30, 5}, alarms, now).marks.size(), 1u);
    const AlarmMarksDrawing hours = DrawAlarmMarks(face, {true, 2, 0, 5}, alarms, now);
    ASSERT_EQ(hours.marks.size(), 4u);
    EXPECT_EQ(hours.marks[2].angle, 330); // 11:00
    EXPECT_EQ(hours.marks[1].angle, 307); // 10:15: trunc(300 + 7.5)
    EXPECT_TRUE(DrawAlarmMarks(face, {false, 1, 30, 0}, alarms, now).marks.empty());
}

TEST(FaceAlarmMarks, TriangleAtTheRimAndDotWithShadowInTheShape) {
    const FaceMetrics face = DefaultFace();
    const TDateTime now = EncodeDateTime(2026, 12, 8, 10, 0, 0, 0);
    const std::vector<AlarmMarkSource> alarms = {
        {1, 1, EncodeDateTime(2026, 12, 8, 10, 0, 0, 0)},
        {2, 2, EncodeDateTime(2026, 12, 8, 10, 0, 0, 0)},
        {3, 3, EncodeDateTime(2026, 12, 8, 10, 0, 0, 0)}, // no mark, but the walk goes on
        {2, 4, EncodeDateTime(2026, 12, 8, 10, 0, 0, 0)},
    };
    const AlarmMarksDrawing d = DrawAlarmMarks(face, {true, 1, 0, 0}, alarms, now);
    ASSERT_EQ(d.marks.size(), 3u);
    const Polygon& tri = d.marks[0].triangle;
    EXPECT_EQ(tri[2], (Point{66, 66 - 57})); // the point, towards the centre
    EXPECT_EQ(tri[0].y, 66 - 64);
    EXPECT_LT(tri[0].x, tri[1].x);
    EXPECT_EQ(d.marks[1].dot, (Rect{63, 2, 69, 8}));
    EXPECT_EQ(d.region.parts.size(), 6u);
    // The shadow copy lies one pixel right and down.
    EXPECT_TRUE(RegionContains(d.region, 67, 8));
    RegionRecipe unshifted;
    unshifted.AddEllipse(d.marks[1].dot);
    EXPECT_FALSE(RegionContains(unshifted, 67, 8));
}
