#include "clock/face/gdi_paint_win.h"

#include <gtest/gtest.h>

#include <vector>

namespace vistrel {
namespace {

// The bevel lines of the square ticks are written straight into the image; they must cover
// the very pixels that GDI's own one-pixel pen would.
TEST(DirectLines, MatchGdiPolylinesPixelForPixel) {
    const std::vector<std::vector<Point>> lines{
        {{3, 12}, {3, 2}, {14, 2}},       // up, then right
        {{14, 2}, {14, 12}, {3, 12}},     // down, then left
        {{9, 9}, {9, 9}},                 // nothing at all
        {{5, 5}, {6, 5}, {6, 6}, {5, 6}}, // single pixels
        {{-4, 7}, {30, 7}},               // beyond both edges
        {{1, 1}, {10, 6}},                // slanted, left to GDI
    };
    for (const auto& line : lines) {
        DibCanvas direct(32), gdi(32);
        direct.Resize(20, 16);
        gdi.Resize(20, 16);
        direct.Fill(0);
        gdi.Fill(0);
        DrawAxisPolyline(direct, line, 0x0033CC99);
        {
            const DcPenBrush pen(gdi.dc());
            pen.Set(0x0033CC99);
            DrawPolyline(gdi.dc(), line);
        }
        GdiFlush();
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(direct.Pixel(x, y), gdi.Pixel(x, y))
                    << "pixel " << x << "," << y << " of a line from " << line.front().x << ","
                    << line.front().y;
    }
}

TEST(GdiColours, SystemColoursAreLookedUp) {
    EXPECT_EQ(ToColorRef(0x00123456), 0x00123456u);
    EXPECT_EQ(ToColorRef(0xFF000005), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ToColorRef(0x02123456), 0x00123456u); // palette flags do not reach GDI
}

} // namespace
} // namespace vistrel
