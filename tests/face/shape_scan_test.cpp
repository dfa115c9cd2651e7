#include "clock/face/shape_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "clock/common/error.h"

using namespace vistrel;

namespace {

constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kWhite = 1;

struct Mask {
    int width, height;
    std::vector<std::uint8_t> pixels;
    Mask(int w, int h, std::uint8_t fill) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    std::uint8_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    MaskView view() const { return {pixels.data(), width, height, width}; }
};

// The plain pixel-by-pixel reading of the run rule, to hold the fast scan against.
std::vector<Rect> ReferenceRuns(const Mask& m) {
    std::vector<Rect> out;
    const std::uint8_t bg = m.pixels[std::size_t(m.height - 1) * m.width];
    for (int y = 0; y < m.height; ++y) {
        const std::uint8_t* row = &m.pixels[std::size_t(y) * m.width];
        int x = 0;
        while (x < m.width) {
            while (x < m.width && row[x] == bg) ++x;
            if (x == m.width) break;
            const int s = x;
            while (x < m.width && row[x] != bg) ++x;
            out.push_back({s, y, x, y + 1});
            ++x;
        }
    }
    return out;
}

Mask AlternatingRow(int width) {
    Mask m(width, 2, kBlack);
    for (int x = 1; x < width; x += 2) m.at(x, 0) = kWhite;
    return m;
}

} // namespace

TEST(ShapeScan, WhiteImageWithBlackCornerIsOneRunPerRow) {
    Mask m(40, 5, kWhite);
    m.at(0, 4) = kBlack;
    const RunList runs = ScanMaskRuns(m.view());
    ASSERT_EQ(runs.rects.size(), 5u);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(runs.rects[y], (Rect{0, y, 40, y + 1}));
    EXPECT_EQ(runs.rects[4], (Rect{1, 4, 40, 5}));
    EXPECT_EQ(runs.bounds, (Rect{0, 0, 40, 5}));
}

TEST(ShapeScan, BackgroundOnlyGivesAnEmptyRegion) {
    EXPECT_TRUE(ScanMaskRuns(Mask(133, 133, kBlack).view()).rects.empty());
    EXPECT_TRUE(ScanMaskRuns(Mask(133, 133, kWhite).view()).rects.empty());
    EXPECT_EQ(ScanMaskRuns(Mask(133, 133, kBlack).view()).bounds, Rect{});
    EXPECT_TRUE(ScanMaskRuns(MaskView{}).rects.empty());
    EXPECT_TRUE(ScanMaskRuns(Mask(0, 3, kBlack).view()).rects.empty());
}

TEST(ShapeScan, RunLimitPassesAt203AndFailsAt204) {
    const RunList ok = ScanMaskRuns(AlternatingRow(203).view());
    ASSERT_EQ(ok.rects.size(), 101u);
    EXPECT_EQ(ok.rects.front(), (Rect{1, 0, 2, 1}));
    EXPECT_EQ(ok.rects.back(), (Rect{201, 0, 202, 1}));
    for (const int width : {204, 205, 400}) {
        try {
            ScanMaskRuns(AlternatingRow(width).view());
            ADD_FAILURE() << width << " pixels should have been refused";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "ﾋﾞｯﾄﾏｯﾌﾟの形状が不適です");
        }
    }
    // The limit is per row: many rows of 101 runs are fine.
    Mask tall(203, 50, kBlack);
    for (int y = 0; y < 49; ++y)
        for (int x = 1; x < 203; x += 2) tall.at(x, y) = kWhite;
    EXPECT_EQ(ScanMaskRuns(tall.view()).rects.size(), 49u * 101u);
}

TEST(ShapeScan, BackgroundIsTheBottomLeftPixel) {
    Mask m(10, 3, kBlack);
    m.at(0, 2) = kWhite; // now white is background and the black pixels are the shape
    m.at(3, 0) = kWhite;
    const RunList runs = ScanMaskRuns(m.view());
    ASSERT_EQ(runs.rects.size(), 4u);
    EXPECT_EQ(runs.rects[0], (Rect{0, 0, 3, 1}));
    EXPECT_EQ(runs.rects[1], (Rect{4, 0, 10, 1}));
    EXPECT_EQ(runs.rects[3], (Rect{1, 2, 10, 3}));
}

TEST(ShapeScan, AKnownBackgroundKeepsTheOutlineWhenTheCornerIsDrawnOn) {
    Mask m(12, 3, kBlack);
    for (int x = 0; x < 4; ++x)
        m.at(x, 2) = kWhite; // a caption running into the bottom left corner
    m.at(8, 0) = kWhite;
    RunList byCorner, byBlack;
    ScanMaskRuns(m.view(), byCorner);
    ScanMaskRuns(m.view(), kBlack, byBlack);
    EXPECT_EQ(byCorner.rects.front(), (Rect{0, 0, 8, 1})); // inside out: the empty face
    ASSERT_EQ(byBlack.rects.size(), 2u);
    EXPECT_EQ(byBlack.rects[0], (Rect{8, 0, 9, 1}));
    EXPECT_EQ(byBlack.rects[1], (Rect{0, 2, 4, 3}));
}

TEST(ShapeScan, BottomUpImagesReadThroughANegativeStride) {
    Mask m(21, 4, kBlack);
    m.at(5, 0) = m.at(6, 0) = m.at(20, 3) = m.at(1, 1) = kWhite;
    // The same picture stored bottom row first, as device-independent bitmaps usually are.
    std::vector<std::uint8_t> flipped;
    for (int y = m.height - 1; y >= 0; --y)
        flipped.insert(flipped.end(), &m.at(0, y), &m.at(0, y) + m.width);
    const MaskView bottomUp{flipped.data() + (m.height - 1) * m.width, m.width, m.height, -m.width};
    EXPECT_EQ(ScanMaskRuns(bottomUp).rects, ScanMaskRuns(m.view()).rects);
    EXPECT_EQ(ScanMaskRuns(m.view()).bounds, (Rect{1, 0, 21, 4}));
}

TEST(ShapeScan, FastScanAgreesWithThePlainReading) {
    // Sparse random pictures with runs of every length, crossing the word boundaries of the
    // fast background skip; several values of foreground, since only "not background" counts.
    std::mt19937 rng(20261208);
    for (const int width : {1, 7, 8, 9, 15, 16, 17, 63, 64, 65, 133, 400}) {
        Mask m(width, 30, kBlack);
        for (int y = 0; y < 29; ++y) {
            int x = static_cast<int>(rng() % 12);
            while (x < width) {
                const int len = 1 + static_cast<int>(rng() % 20);
                for (int i = x; i < std::min(width, x + len); ++i)
                    m.at(i, y) = static_cast<std::uint8_t>(1 + rng() % 255);
                x += len + 1 + static_cast<int>(rng() % 25);
            }
        }
        EXPECT_EQ(ScanMaskRuns(m.view()).rects, ReferenceRuns(m)) << width;
    }
}

TEST(ShapeScan, AKeptRunListHoldsOnlyTheLatestScan) {
    Mask big(30, 10, kWhite);
    big.at(0, 9) = kBlack;
    Mask small(5, 2, kBlack);
    small.at(2, 0) = kWhite;
    RunList kept;
    ScanMaskRuns(big.view(), kept);
    ScanMaskRuns(small.view(), kept);
    EXPECT_EQ(kept.rects, ScanMaskRuns(small.view()).rects);
    EXPECT_EQ(kept.bounds, (Rect{2, 0, 3, 1}));
    ScanMaskRuns(Mask(4, 4, kBlack).view(), kept);
    EXPECT_TRUE(kept.rects.empty());
    EXPECT_EQ(kept.bounds, Rect{});
}

TEST(ShapeHole, CircleAroundTheCursorSizedByTheClock) {
    EXPECT_EQ(HoleBox({50, 60}, 133, 30), (Rect{30, 40, 70, 80})); // r = nearest(19.95)
    // At the window's edge the box reaches outside; the cut takes only what overlaps.
    EXPECT_EQ(HoleBox({0, 0}, 200, 100), (Rect{-100, -100, 100, 100}));
    EXPECT_EQ(HoleBox({0, 0}, 200, 0), HoleBox({0, 0}, 200, 10));
    EXPECT_EQ(HoleBox({0, 0}, 200, 5000), HoleBox({0, 0}, 200, 100));
}
