// The window's outline must be the picture: every pixel a layer drew lies inside the outline,
// and nothing else does. GDI's rules for pens, ellipses and polygon regions differ by a pixel
// along edges; those pixels are counted and must stay a small part of the outline.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "clock/common/message_box.h"
#include "clock/face/colour_key_win.h"
#include "clock/face/face_colours.h"
#include "clock/face/face_painter_win.h"
#include "support/region_mask_win.h"

namespace vistrel {
namespace {

using test_support::MaskOfRegion;
using test_support::PixelMask;

constexpr Colour kSentinel = 0x00030201; // no test style paints this colour

struct OutlineCount {
    int drawn = 0;       // pixels the layers painted
    int edge = 0;        // disagreements on the outline's own boundary
    int edgeOutside = 0; // of those, painted pixels that the outline cuts away
    int faults = 0;      // disagreements anywhere else
    std::string firstFault;
};

OutlineCount CompareOutline(const DibCanvas& face, HRGN shape) {
    const int w = face.width(), h = face.height();
    const PixelMask inside = MaskOfRegion(shape, w, h);
    OutlineCount n;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool drawn = face.Pixel(x, y) != kSentinel;
            n.drawn += drawn;
            if (drawn == inside.at(x, y)) continue;
            bool onBoundary = false;
            for (int dy = -1; dy <= 1 && !onBoundary; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (inside.at(x + dx, y + dy) != inside.at(x, y)) onBoundary = true;
            if (onBoundary) {
                ++n.edge;
                n.edgeOutside += drawn;
            } else if (n.faults++ == 0) {
                n.firstFault = (drawn ? "drawn outside at " : "empty inside at ") +
                               std::to_string(x) + "," + std::to_string(y);
            }
        }
    return n;
}

struct Case {
    const char* name;
    TOptionItem o;
    int size = 133;
};

std::vector<Case> Cases() {
    std::vector<Case> cases;
    cases.push_back({"default", TOptionItem{}});
    {
        TOptionItem o;
        o.ThickStyle = 0, o.NeedleStyle = 1, o.FrameShow = true, o.FrameStyle = 0;
        o.SNeedle = true, o.ColorChange = true, o.ColorFrame = 0x00404040;
        cases.push_back({"circle ticks, flat hands, round frame, marks", o});
    }
    {
        TOptionItem o;
        o.ThickStyle = 2, o.NeedleStyle = 2, o.FrameShow = true, o.FrameStyle = 1;
        o.TimeChar = true, o.MojiBanType = 1, o.MinorThick = false, o.ColorFrameE = 0x00FFFFFF;
        cases.push_back({"simple circles, empty hands, square frame, time", o});
    }
    {
        TOptionItem o;
        o.ThickStyle = 3, o.SepStyle = true, o.NeedleStyle = 9, o.MStyle = 12, o.SStyle = 13;
        o.SNeedle = true, o.FrameShow = true, o.FrameStyle = 2, o.MojiBanType = 2;
        o.TimeChar = true, o.TimeCharPos = 1, o.DateCharPos = 3;
        cases.push_back({"simple squares, simple hands, octagon", o});
    }
    {
        TOptionItem o;
        o.SepStyle = true, o.NeedleStyle = 5, o.MStyle = 8, o.SStyle = 14, o.SNeedle = true;
        o.MojiBanType = 3, o.DateCharPos = 1, o.MojiBanAll = false, o.MojiBanBold = true;
        cases.push_back({"empty square and diamond, rhombus, 24 hours", o, 257});
    }
    {
        TOptionItem o;
        o.SepStyle = true, o.NeedleStyle = 3, o.MStyle = 6, o.SStyle = 11, o.SNeedle = true;
        o.ThickStyle = 0, o.FrameShow = true, o.FrameWidth = 100, o.FrameStyle = 0;
        o.DSPOrder = {5, 1, 2, 3, 4, 0, 6};
        cases.push_back({"3D square and diamond, full disc frame in front", o, 400});
    }
    return cases;
}

class FaceOutlineTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxAnswererForTests([](const MessageBoxCall& call) {
            ADD_FAILURE() << call.text;
            return MsgResult::Ok;
        });
    }
    void TearDown() override { SetMessageBoxAnswererForTests({}); }
};

TEST_F(FaceOutlineTest, OutlineIsThePicture) {
    const TDateTime now = EncodeDateTime(2024, 3, 5, 10, 8, 37, 0);
    const std::vector<AlarmMarkSource> alarms{{1, 0x0000FF00, now + 10.0 / 1440},
                                              {2, 0x00FF00FF, now + 25.0 / 1440}};
    for (const Case& c : Cases()) {
        FacePainter p;
        p.SetBackgroundForTests(kSentinel);
        FaceRequest req;
        req.size = c.size;
        req.time = FaceTimeAt(now);
        req.alarms = alarms;
        const FaceResult r = p.Render(c.o, req);
        ASSERT_TRUE(r.shape) << c.name;
        const OutlineCount n = CompareOutline(p.FaceBitmap(), r.shape.get());
        std::printf("[ outline  ] %-48s size %4d: %6d drawn, %4d edge pixels (%d cut away)\n",
                    c.name, c.size, n.drawn, n.edge, n.edgeOutside);
        EXPECT_EQ(n.faults, 0) << c.name << ": " << n.firstFault;
        EXPECT_GT(n.drawn, 0) << c.name;
        // Only pen pixels on the right and lower rim of polygons may be cut off; no pixel of
        // the outline may stay unpainted (it would show black).
        EXPECT_LT(n.edge * 50, n.drawn) << c.name;
        EXPECT_EQ(n.edge - n.edgeOutside, 0) << c.name;
    }
}

TEST_F(FaceOutlineTest, DarkArcOfCircleTicksBelongsToTheWindow) {
    TOptionItem o;
    o.ThickStyle = 0;
    o.MojiBan = o.DateChar = false;
    o.DSPOrder = {2, 9, 9, 9, 9, 9, 9}; // ticks only
    FacePainter p;
    FaceRequest req;
    req.size = 400;
    req.time = FaceTimeAt(EncodeDateTime(2024, 3, 5, 10, 8, 37, 0));
    const FaceResult r = p.Render(o, req);
    ASSERT_TRUE(r.shape);
    const FaceMetrics& m = p.Metrics();
    ASSERT_EQ(m.tick5_half, 7);
    // The 12 o'clock tick: its lowest drawn row is the dark arc of the bevel.
    const int x = m.centre.x, y = m.centre.y - (m.tick_ring - m.tick5_half) + m.tick5_half - 1;
    EXPECT_EQ(p.FaceBitmap().Pixel(x, y), FlatShade(static_cast<Colour>(o.Color5), 3));
    EXPECT_TRUE(PtInRegion(r.shape.get(), x, y));
    EXPECT_FALSE(PtInRegion(r.shape.get(), x, y + 1));
}

TEST_F(FaceOutlineTest, NoGdiObjectSurvivesTenThousandRenders) {
    FacePainter p;
    TOptionItem o;
    o.SNeedle = true, o.TimeChar = true, o.TimeCharForm = 0, o.FrameShow = true;
    const TDateTime start = EncodeDateTime(2024, 3, 5, 10, 8, 37, 0);
    const std::vector<AlarmMarkSource> alarms{{1, 0x0000FF00, start + 10.0 / 1440}};
    FaceRequest req;
    req.alarms = alarms;
    req.time = FaceTimeAt(start);
    p.Render(o, req); // the first render creates the images and fonts that stay
    const long before = LiveGdiObjects();
    for (int i = 0; i < 10000; ++i) {
        req.time = FaceTimeAt(start + i / 86400.0);
        req.hole_active = i % 3 == 0;
        req.cursor = {i % 133, 60};
        o.ThickStyle = i % 4;
        o.NeedleStyle = i % 15;
        const FaceResult r = p.Render(o, req);
        ASSERT_TRUE(r.rendered);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(FaceOutlineTest, HandOverGivesTheWindowItsOutline) {
    const HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 133, 133,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(w, nullptr);
    FacePainter p;
    FaceRequest req;
    req.time = FaceTimeAt(EncodeDateTime(2024, 3, 5, 3, 0, 0, 0));
    ASSERT_TRUE(p.RenderClock(w, TOptionItem{}, req));
    EXPECT_NE(p.WindowShape(), nullptr);
    UniqueRegion copy(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(w, copy.get()), ERROR);
    EXPECT_TRUE(PtInRegion(copy.get(), 66 + 10, 66)); // the hour hand
    EXPECT_FALSE(PtInRegion(copy.get(), 2, 130));     // the bottom left corner

    // A face without anything drawn takes the window's outline away.
    TOptionItem none;
    none.DSPOrder = {9, 9, 9, 9, 9, 9, 9};
    none.MojiBan = none.DateChar = none.MajorThick = false;
    ASSERT_TRUE(p.RenderClock(w, none, req));
    EXPECT_EQ(GetWindowRgn(w, copy.get()), ERROR);
    DestroyWindow(w);
}

TEST_F(FaceOutlineTest, AKeyedHandOverPaintsTheOutsideAndKeepsDrawnPixelsOffTheKey) {
    const HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 133, 133,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(w, nullptr);
    FacePainter p;
    p.SetShapeKey(kFaceShapeKey);
    FaceRequest req;
    req.time = FaceTimeAt(EncodeDateTime(2024, 3, 5, 3, 0, 0, 0));
    TOptionItem o;
    o.ColorH = static_cast<TColor>(kFaceShapeKey); // a hand in the key colour must not vanish
    ASSERT_TRUE(p.RenderClock(w, o, req));
    UniqueRegion none(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(w, none.get()), ERROR) << "a keyed window keeps no region";
    ASSERT_NE(p.WindowShape(), nullptr);
    const std::uint32_t key = p.FaceBitmap().Pixel(0, 0);
    EXPECT_EQ(key, kFaceShapeKey);
    int inside = 0, keyedInside = 0, outside = 0, drawnOutside = 0;
    for (int y = 0; y < 133; ++y)
        for (int x = 0; x < 133; ++x) {
            const bool keyed = p.FaceBitmap().Pixel(x, y) == key;
            if (PtInRegion(p.WindowShape(), x, y)) {
                ++inside;
                keyedInside += keyed;
            } else {
                ++outside;
                drawnOutside += !keyed;
            }
        }
    EXPECT_GT(inside, 500);
    EXPECT_GT(outside, 5000);
    EXPECT_EQ(keyedInside, 0);
    EXPECT_EQ(drawnOutside, 0);
    // The hour hand at three o'clock is drawn, in a colour a step off the key.
    const std::uint32_t hand = p.FaceBitmap().Pixel(66 + 10, 66);
    EXPECT_NE(hand, key);
    EXPECT_EQ(hand & 0xFF00FF, kFaceShapeKey & 0xFF00FF);
    DestroyWindow(w);
}

} // namespace
} // namespace vistrel
