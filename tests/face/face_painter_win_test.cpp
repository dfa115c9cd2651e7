#include "clock/face/face_painter_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "clock/common/error.h"
#include "clock/common/message_box.h"
#include "support/region_mask_win.h"

namespace vistrel {
namespace {

using test_support::MaskOfRegion;
using test_support::PixelMask;

// A colour no test style uses, so that black paint can be told from the background.
constexpr Colour kSentinel = 0x00030201;

FaceRequest RequestAt(int hour, int minute, int second, int size = 133) {
    FaceRequest r;
    r.size = size;
    r.time = FaceTimeAt(EncodeDateTime(2024, 3, 5, hour, minute, second, 0));
    return r;
}

// Only the hands: every other layer switched off.
TOptionItem HandsOnly() {
    TOptionItem o;
    o.MojiBan = o.DateChar = o.TimeChar = o.MajorThick = o.FrameShow = o.AlarmUse = false;
    return o;
}

std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}

class FacePainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
            boxes.push_back(call);
            return MsgResult::Ok;
        });
    }
    void TearDown() override { SetMessageBoxAnswererForTests({}); }

    std::vector<FaceGuard> StackOf(const TOptionItem& o) {
        std::vector<FaceGuard> order;
        FacePainter p;
        p.SetStepHookForTests([&](FaceGuard g) { order.push_back(g); });
        p.Render(o, RequestAt(10, 8, 37));
        return order;
    }

    std::vector<MessageBoxCall> boxes;
};

TEST_F(FacePainterTest, DefaultFaceMeasuresAndStacking) {
    FacePainter p;
    const TOptionItem o;
    ASSERT_TRUE(p.Render(o, RequestAt(10, 8, 37)).rendered);
    const FaceMetrics& m = p.Metrics();
    EXPECT_EQ(m.radius, 66);
    EXPECT_EQ(m.shadow_offset, 1);
    EXPECT_EQ(m.tick5_half, 2);
    EXPECT_EQ(m.tick_half, 1);
    EXPECT_EQ(m.tick_ring, 49);
    EXPECT_EQ(m.numeral_ring, 66);
    EXPECT_EQ(MakeHandSpec(m, {o.NeedleStyle, o.HLongLen, o.HShortLen, o.HNeedleW}, 90).width, 7);
    EXPECT_EQ(p.FaceBitmap().width(), 133);
    EXPECT_EQ(p.ShapeBitmap().height(), 133);
    EXPECT_TRUE(boxes.empty());

    using G = FaceGuard;
    EXPECT_EQ(StackOf(o), (std::vector<G>{G::Time, G::Frame, G::Date, G::Numerals, G::Ticks,
                                          G::Hands, G::AlarmMarks, G::ShapeScan}));
    TOptionItem same;
    same.DSPOrder = {0, 0, 0, 0, 0, 0, 0};
    same.MojiBan = same.DateChar = same.MajorThick = false;
    EXPECT_EQ(StackOf(same), std::vector<G>(7, G::AlarmMarks));
    TOptionItem gaps;
    gaps.DSPOrder = {9, 1, 200, 3, 4, 5, 6};
    EXPECT_EQ(StackOf(gaps),
              (std::vector<G>{G::Time, G::Frame, G::Date, G::Numerals, G::Hands, G::ShapeScan}));
}

TEST_F(FacePainterTest, HourHandAtThreeIsLitFromAbove) {
    FacePainter p;
    TOptionItem o = HandsOnly();
    ASSERT_TRUE(p.Render(o, RequestAt(3, 0, 0)).rendered); // minute hand straight up
    const Point c = p.Metrics().centre;
    // ColorH is yellow (R 255, G 255, B 0): the upper (left) half is lightened, the lower
    // (right) half darkened.
    const std::uint32_t light = Rgb(255, 255, 127), dark = Rgb(127, 127, 0);
    EXPECT_EQ(p.FaceBitmap().Pixel(c.x + 15, c.y - 2), light);
    EXPECT_EQ(p.FaceBitmap().Pixel(c.x + 15, c.y + 2), dark);
    EXPECT_EQ(p.FaceBitmap().Pixel(c.x - 6, c.y - 1), light); // the tail too
    // The dark half is painted first: the light half's edge covers the axis.
    EXPECT_EQ(p.FaceBitmap().Pixel(c.x + 15, c.y), light);
}

TEST_F(FacePainterTest, EmptyHandStyleLeavesASeeThroughMiddle) {
    FacePainter p;
    TOptionItem o = HandsOnly();
    o.NeedleStyle = 2;
    FaceResult r = p.Render(o, RequestAt(3, 0, 0));
    ASSERT_TRUE(r.shape);
    const Point c = p.Metrics().centre;
    EXPECT_FALSE(PtInRegion(r.shape.get(), c.x + 10, c.y));    // middle of the hour hand
    EXPECT_TRUE(PtInRegion(r.shape.get(), c.x + 10, c.y - 4)); // its rim
    EXPECT_EQ(p.FaceBitmap().Pixel(c.x + 10, c.y), 0u);        // nothing painted there
}

TEST_F(FacePainterTest, NothingDrawnHandsNoRegionEvenWithTheHole) {
    FacePainter p;
    TOptionItem o = HandsOnly();
    o.DSPOrder = {9, 9, 9, 9, 9, 9, 9};
    FaceRequest req = RequestAt(10, 8, 37);
    FaceResult r = p.Render(o, req);
    EXPECT_TRUE(r.rendered);
    EXPECT_FALSE(r.shape);
    req.hole_active = true;
    req.cursor = {66, 66};
    EXPECT_FALSE(p.Render(o, req).shape);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FacePainterTest, HoleCutsAroundTheCursorOnly) {
    FacePainter p;
    TOptionItem o = HandsOnly();
    o.HoleSize = 20; // a diameter of 27 pixels at size 133
    FaceRequest req = RequestAt(3, 0, 0);
    req.hole_active = true;
    req.cursor = {66 + 25, 66};
    const FaceResult r = p.Render(o, req);
    ASSERT_TRUE(r.shape);
    EXPECT_FALSE(PtInRegion(r.shape.get(), 66 + 25, 66));
    EXPECT_TRUE(PtInRegion(r.shape.get(), 66 + 5, 66));  // hour hand outside the hole
    EXPECT_TRUE(PtInRegion(r.shape.get(), 66, 66 - 40)); // minute hand
    // A hole at the window's edge takes only what overlaps the shape.
    req.cursor = {0, 0};
    const FaceResult edge = p.Render(o, req);
    EXPECT_TRUE(PtInRegion(edge.shape.get(), 66 + 25, 66));
}

TEST_F(FacePainterTest, MinimisedClockIsNotDrawn) {
    FacePainter p;
    FaceRequest req = RequestAt(10, 8, 37);
    req.minimized = true;
    EXPECT_FALSE(p.Render(TOptionItem{}, req).rendered);
    EXPECT_EQ(p.FaceBitmap().bitmap(), nullptr);
}

TEST_F(FacePainterTest, GuardReportsOnceAndRenderDuringTheBoxDoesNothing) {
    FacePainter p;
    int stops = 0, starts = 0;
    p.SetBoxHooks({[&] { ++stops; }, [&] { ++starts; }});
    p.SetStepHookForTests([](FaceGuard g) {
        if (g == FaceGuard::Hands) throw Error("bent");
    });
    bool nestedRendered = true, paintingDuringBox = false;
    SetMessageBoxAnswererForTests([&](const MessageBoxCall& call) {
        boxes.push_back(call);
        paintingDuringBox = p.Painting();
        nestedRendered = p.Render(TOptionItem{}, RequestAt(10, 8, 38)).rendered;
        return MsgResult::Ok;
    });
    const FaceResult first = p.Render(TOptionItem{}, RequestAt(10, 8, 37));
    EXPECT_TRUE(first.rendered);
    EXPECT_TRUE(first.shape); // the other layers still reached the outline
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "針の描画でエラーが発生しました。\r\n以後このエラーを無視します。");
    EXPECT_TRUE(paintingDuringBox);
    EXPECT_FALSE(nestedRendered);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(starts, 1);
    // Tried again at the next render, but not reported again.
    EXPECT_TRUE(p.Render(TOptionItem{}, RequestAt(10, 8, 39)).rendered);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(p.Painting());
}

TEST_F(FacePainterTest, HoleErrorNamesTheError) {
    FacePainter p;
    p.SetStepHookForTests([](FaceGuard g) {
        if (g == FaceGuard::Hole) throw Error("lost the cursor");
    });
    FaceRequest req = RequestAt(10, 8, 37);
    req.hole_active = true;
    const FaceResult r = p.Render(TOptionItem{}, req);
    EXPECT_TRUE(r.shape); // handed over without the hole
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "ホール機能でエラーが発生しました。\r\n以後このエラーを無視します。"
                             "\r\nErrorMessage : lost the cursor");
}

TEST_F(FacePainterTest, HostileStyleValuesDrawWithoutFailing) {
    TOptionItem o;
    o.DateSize = 17, o.TimeSize = 17, o.MojiSize = 15; // zero font-size divisors
    o.HLongLen = -50, o.MShortLen = -10, o.SNeedleW = -3, o.HNeedleW = 100000;
    o.ThickPos = 1000000, o.Thick5Size = -5, o.FrameWidth = -3, o.FramePos = 5000;
    o.MojiBanPos = 999, o.DateCharInOut = -40, o.TimeCharInOut = 400, o.MojiBanPitchWidth = 0;
    o.NeedleStyle = 99, o.SepStyle = true, o.MStyle = -1, o.SStyle = 14;
    o.ThickStyle = 7, o.FrameStyle = 5, o.MojiBanType = 9, o.DateCharPos = 9, o.TimeCharPos = -2;
    o.DateCharForm = 77, o.TimeCharForm = -4, o.WeekType = 12;
    o.TimeChar = o.FrameShow = o.SNeedle = true;
    o.HoleSize = -20;
    FacePainter p;
    for (const int size : {50, 133, 1500}) {
        FaceRequest req = RequestAt(23, 59, 59, size);
        req.hole_active = true;
        req.cursor = {-100000, 100000};
        EXPECT_TRUE(p.Render(o, req).rendered) << size;
    }
    for (const MessageBoxCall& b : boxes) ADD_FAILURE() << b.text;
}

TEST_F(FacePainterTest, ImagesAreReusedUntilTheSizeChanges) {
    FacePainter p;
    p.Render(TOptionItem{}, RequestAt(10, 8, 37));
    const HBITMAP face = p.FaceBitmap().bitmap(), shape = p.ShapeBitmap().bitmap();
    p.Render(TOptionItem{}, RequestAt(10, 8, 38));
    EXPECT_EQ(p.FaceBitmap().bitmap(), face);
    EXPECT_EQ(p.ShapeBitmap().bitmap(), shape);
    p.Render(TOptionItem{}, RequestAt(10, 8, 39, 150));
    EXPECT_EQ(p.FaceBitmap().width(), 150);
    EXPECT_EQ(p.ShapeBitmap().width(), 150);
}

// White pixels of the shape image: the numerals' share of the outline.
int ShapePixels(const FacePainter& p) {
    int n = 0;
    const DibCanvas& s = p.ShapeBitmap();
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) n += s.Row(y)[x] != 0;
    return n;
}

TEST_F(FacePainterTest, TwoDigitNumeralsAreNarrowed) {
    TOptionItem o = HandsOnly();
    o.MojiBan = true;
    o.MojiBanShadow = false;
    o.DSPOrder = {3, 9, 9, 9, 9, 9, 9}; // numerals only
    FacePainter p;
    o.MojiBanPitch = false;
    p.Render(o, RequestAt(10, 8, 37, 300));
    const int wide = ShapePixels(p);
    o.MojiBanPitch = true;
    p.Render(o, RequestAt(10, 8, 37, 300));
    const int narrow = ShapePixels(p);
    EXPECT_LT(narrow, wide);
    // Only 3, 6, 9 and 12: just "12" can be narrowed.
    o.MojiBanAll = false;
    p.Render(o, RequestAt(10, 8, 37, 300));
    const int fewNarrow = ShapePixels(p);
    o.MojiBanPitch = false;
    p.Render(o, RequestAt(10, 8, 37, 300));
    EXPECT_LT(fewNarrow, ShapePixels(p));
    EXPECT_LT(ShapePixels(p), wide);
}

TEST_F(FacePainterTest, TextsAndSidesFollowTheTime) {
    FacePainter p;
    TOptionItem o;
    o.TimeChar = true;
    o.TimeCharForm = 0;
    p.Render(o, RequestAt(11, 59, 0));
    EXPECT_EQ(p.DateText(), "24/3/5 Tue");
    EXPECT_EQ(p.TimeText(), "11:59:00");
    EXPECT_TRUE(p.DateSide());
    EXPECT_FALSE(p.TimeSide());
    o.TimeCharForm = 9; // unknown: the last text stays
    p.Render(o, RequestAt(12, 0, 0));
    EXPECT_EQ(p.TimeText(), "11:59:00");
    EXPECT_FALSE(p.DateSide());
    EXPECT_TRUE(p.TimeSide());
    FaceRequest before = RequestAt(12, 0, 0);
    before.weekday_after_date = false;
    p.Render(o, before);
    EXPECT_EQ(p.DateText(), "Tue 24/3/5");
}

} // namespace
} // namespace vistrel
