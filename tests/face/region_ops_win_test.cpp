#include "clock/face/region_ops_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "clock/common/error.h"
#include "support/region_mask_win.h"

namespace vistrel {
namespace {

using test_support::MaskOfRegion;
using test_support::RegionRects;

UniqueRegion Box(int l, int t, int r, int b) { return RectRegion({l, t, r, b}); }

// A DIB of `bits` per pixel whose pixels are set by `fg(x, y)`: white where true, black else.
template <class Fg> UniqueBitmap MakeBitmap(int width, int height, int bits, Fg fg) {
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colours[2];
    } bmi{};
    bmi.h.biSize = sizeof(BITMAPINFOHEADER);
    bmi.h.biWidth = width;
    bmi.h.biHeight = -height;
    bmi.h.biPlanes = 1;
    bmi.h.biBitCount = static_cast<WORD>(bits);
    bmi.h.biCompression = BI_RGB;
    if (bits <= 8) bmi.h.biClrUsed = 2; // black and white
    bmi.colours[1] = {255, 255, 255, 0};
    void* pixels = nullptr;
    UniqueBitmap bmp(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS,
                                      &pixels, nullptr, 0));
    const int stride = ((width * bits + 31) / 32) * 4;
    auto* p = static_cast<std::uint8_t*>(pixels);
    std::memset(p, 0, static_cast<std::size_t>(stride) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (!fg(x, y)) continue;
            std::uint8_t* row = p + static_cast<std::ptrdiff_t>(stride) * y;
            if (bits == 1) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            else if (bits == 8) row[x] = 1; // the palette's white
            else std::memset(row + x * (bits / 8), 0xFF, static_cast<std::size_t>(bits / 8));
        }
    GdiFlush();
    return bmp;
}

TEST(RegionAccumulation, NoneTakesTheFirstRegionAndUsesUpTheRest) {
    const long before = LiveGdiObjects();
    {
        UniqueRegion acc;
        CutFrom(acc, Box(0, 0, 5, 5)); // cutting from none leaves none
        EXPECT_FALSE(acc);
        UnionInto(acc, Box(0, 0, 10, 10));
        ASSERT_TRUE(acc);
        UnionInto(acc, Box(20, 0, 30, 10));
        UnionInto(acc, UniqueRegion()); // a missing region changes nothing
        CutFrom(acc, Box(0, 0, 10, 5));
        const auto mask = MaskOfRegion(acc.get(), 40, 20);
        EXPECT_EQ(mask.Count(), 10 * 5 + 10 * 10);
        EXPECT_FALSE(mask.at(3, 3));
        EXPECT_TRUE(mask.at(3, 7));
        EXPECT_TRUE(mask.at(25, 1));
        EXPECT_EQ(LiveGdiObjects(), before + 1); // only acc is left
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(RegionAccumulation, ShiftedCopyLeavesTheOriginal) {
    const UniqueRegion r = Box(2, 3, 6, 5);
    const UniqueRegion moved = ShiftedCopy(r.get(), 2);
    RECT box{};
    GetRgnBox(moved.get(), &box);
    EXPECT_EQ(box.left, 4);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.right, 8);
    EXPECT_EQ(box.bottom, 7);
    GetRgnBox(r.get(), &box);
    EXPECT_EQ(box.left, 2);
}

TEST(RegionAccumulation, RecipeCutsAndNone) {
    RegionRecipe ring;
    ring.AddEllipse({0, 0, 41, 41});
    ring.CutEllipse({10, 10, 31, 31});
    const UniqueRegion r = RegionFromRecipe(ring);
    EXPECT_TRUE(PtInRegion(r.get(), 2, 20));
    EXPECT_FALSE(PtInRegion(r.get(), 20, 20));
    RegionRecipe onlyCuts;
    onlyCuts.CutRect({0, 0, 5, 5});
    EXPECT_FALSE(RegionFromRecipe(onlyCuts));
    EXPECT_FALSE(RegionFromRecipe(RegionRecipe{}));
}

TEST(BitmapScan, WhiteImageWithBlackCornerAcrossFormats) {
    for (const int bits : {1, 8, 24, 32}) {
        const int w = 37, h = 9;
        // The bottom left pixel is the background, so everything else is the shape.
        const UniqueBitmap bmp =
            MakeBitmap(w, h, bits, [&](int x, int y) { return !(x == 0 && y == h - 1); });
        const UniqueRegion r = BitmapToRegion(bmp.get());
        const std::vector<RECT> rects = RegionRects(r.get());
        const auto mask = MaskOfRegion(r.get(), w, h);
        EXPECT_EQ(mask.Count(), w * h - 1) << bits;
        EXPECT_FALSE(mask.at(0, h - 1)) << bits;
        EXPECT_TRUE(mask.at(1, h - 1)) << bits;
    }
}

TEST(BitmapScan, AllBackgroundGivesAnEmptyRegion) {
    const UniqueBitmap bmp = MakeBitmap(20, 20, 24, [](int, int) { return false; });
    const UniqueRegion r = BitmapToRegion(bmp.get());
    ASSERT_TRUE(r); // an existing region without pixels
    RECT box{};
    EXPECT_EQ(GetRgnBox(r.get(), &box), NULLREGION);
}

TEST(BitmapScan, RunLimitPerRow) {
    // Background first, then alternating: 101 runs fit in 203 pixels, not in 204.
    const auto alternating = [](int x, int) { return x % 2 == 1; };
    for (const int bits : {1, 8, 24}) {
        const UniqueBitmap ok = MakeBitmap(203, 1, bits, alternating);
        const UniqueRegion r = BitmapToRegion(ok.get());
        EXPECT_EQ(RegionRects(r.get()).size(), 101u) << bits;
        const UniqueBitmap tooMany = MakeBitmap(204, 1, bits, alternating);
        try {
            BitmapToRegion(tooMany.get());
            ADD_FAILURE() << "204 pixels should not scan, " << bits << " bits";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "ﾋﾞｯﾄﾏｯﾌﾟの形状が不適です");
        }
    }
}

TEST(BitmapScan, RunsBecomeOneRegionInOneCall) {
    RunList runs;
    runs.rects = {{1, 0, 3, 1}, {5, 0, 6, 1}, {0, 2, 4, 3}};
    runs.bounds = {0, 0, 6, 3};
    std::vector<RECT> buffer;
    const UniqueRegion r = RegionFromRuns(runs, buffer);
    const auto mask = MaskOfRegion(r.get(), 8, 4);
    EXPECT_EQ(mask.Count(), 2 + 1 + 4);
    EXPECT_TRUE(mask.at(5, 0));
    EXPECT_FALSE(mask.at(4, 0));
    EXPECT_FALSE(mask.at(0, 1));
    RunList none;
    const UniqueRegion empty = RegionFromRuns(none, buffer);
    RECT box{};
    EXPECT_EQ(GetRgnBox(empty.get(), &box), NULLREGION);
}

} // namespace
} // namespace vistrel

namespace vistrel {
namespace {

// Rows handed to the system in groups and merged pairwise must give exactly the region that
// all rectangles in one call give, whatever the group size.
TEST(BitmapScan, GroupedRunsMakeTheSameRegion) {
    RunList runs;
    unsigned seed = 12345;
    const auto next = [&] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int y = 0; y < 300; ++y) {
        int x = static_cast<int>(next() % 7);
        const int count = static_cast<int>(next() % 6);
        for (int k = 0; k < count; ++k) {
            const int w = 1 + static_cast<int>(next() % 9);
            runs.rects.push_back({x, y, x + w, y + 1});
            x += w + 1 + static_cast<int>(next() % 5);
        }
    }
    runs.bounds = {0, 0, 200, 300};
    std::vector<RECT> buffer;
    const UniqueRegion whole = RegionFromRunsInGroups(runs, buffer, runs.rects.size());
    for (const std::size_t group :
         {std::size_t{1}, std::size_t{3}, kRunsPerGroup, std::size_t{100}}) {
        const UniqueRegion grouped = RegionFromRunsInGroups(runs, buffer, group);
        EXPECT_TRUE(EqualRgn(whole.get(), grouped.get())) << group;
    }
    const auto mask = test_support::MaskOfRegion(whole.get(), 200, 300);
    int pixels = 0;
    for (const Rect& r : runs.rects) pixels += r.right - r.left;
    EXPECT_EQ(mask.Count(), pixels);
}

} // namespace
} // namespace vistrel
