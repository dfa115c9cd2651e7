#include "clock/face/colour_key.h"

#include <gtest/gtest.h>

#include <vector>

namespace vistrel {
namespace {

constexpr std::uint32_t kKey = 0xFF00FF;

TEST(ColourKey, MatchesAsAFifteenBitScreenWouldSeeIt) {
    EXPECT_TRUE(LooksLikeKey(0xFF00FF, kKey));
    EXPECT_TRUE(LooksLikeKey(0xF807F8, kKey));   // lost on a 15-bit screen
    EXPECT_TRUE(LooksLikeKey(0xAAFF00FF, kKey)); // the unused top byte does not count
    EXPECT_FALSE(LooksLikeKey(0xFF08FF, kKey));
    EXPECT_FALSE(LooksLikeKey(0xF700FF, kKey));
    EXPECT_FALSE(LooksLikeKey(0x000000, kKey));
}

TEST(ColourKey, OnlyPixelsThatWouldVanishAreMovedAndThenNoLongerMatch) {
    std::vector<std::uint32_t> row{0xFF00FF, 0x123456, 0xFC03FA, 0xFF08FF, 0x000000};
    const std::vector<std::uint32_t> untouched{row[1], row[3], row[4]};
    MoveOffKey(row.data(), static_cast<int>(row.size()), kKey);
    for (const std::uint32_t p : row) EXPECT_FALSE(LooksLikeKey(p, kKey)) << std::hex << p;
    EXPECT_EQ(row[0], 0xFF08FFu);
    EXPECT_EQ(row[2], 0xFC0BFAu);
    EXPECT_EQ((std::vector<std::uint32_t>{row[1], row[3], row[4]}), untouched);
    // A key with a green channel near the top moves down, not out of range.
    std::uint32_t bright = 0x20FF20;
    MoveOffKey(&bright, 1, 0x20FF20);
    EXPECT_EQ(bright, 0x20F720u);
}

TEST(ColourKey, ColorRefBecomesPixelOrder) {
    EXPECT_EQ(PixelOfColorRef(0x00332211), 0x00112233u);
    EXPECT_EQ(PixelOfColorRef(0x00FF00FF), 0x00FF00FFu);
}

} // namespace
} // namespace vistrel
