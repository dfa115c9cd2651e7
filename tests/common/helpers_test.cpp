#include <gtest/gtest.h>

#include "clock/common/colour.h"
#include "clock/common/fpu.h"
#include "clock/common/text_helpers.h"

using namespace vistrel;

namespace {
constexpr TColor C(std::uint32_t v) { return static_cast<TColor>(v); }
constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}
} // namespace

TEST(ColourHelpers, InvertKeepsTheTopByte) {
    EXPECT_EQ(InvertColour(Rgb(0, 0, 0)), Rgb(255, 255, 255));
    EXPECT_EQ(InvertColour(Rgb(20, 30, 200)), Rgb(235, 225, 55));
    EXPECT_EQ(InvertColour(C(0x02123456u)), C(0x02EDCBA9u));
    EXPECT_EQ(InvertColour(InvertColour(C(0xFF00000Fu))), C(0xFF00000Fu));
}

TEST(ColourHelpers, ContrastIsInverseOnDarkColoursElseBlack) {
    EXPECT_EQ(ContrastColour(Rgb(255, 255, 255)), 0u);
    EXPECT_EQ(ContrastColour(Rgb(0, 0, 128)), Rgb(255, 255, 127)); // navy: two dark parts
    EXPECT_EQ(ContrastColour(Rgb(200, 200, 50)), 0u);              // only one dark part
    EXPECT_EQ(ContrastColour(Rgb(20, 30, 200)), Rgb(235, 225, 55));
    EXPECT_EQ(ContrastColour(Rgb(99, 99, 255)), Rgb(156, 156, 0)); // 99 is dark, 100 is not
    EXPECT_EQ(ContrastColour(Rgb(100, 100, 0)), 0u);
    EXPECT_EQ(ContrastColour(C(0x01000080u)), C(0x01FFFF7Fu)); // top byte kept
}

TEST(TextHelpers, ReplaceFirstReplacesOnlyTheFirstOccurrence) {
    EXPECT_EQ(ReplaceFirst("a-b-c", "-", "+"), "a+b-c");
    EXPECT_EQ(ReplaceFirst("時計の時計", "時計", "アラーム"), "アラームの時計");
    EXPECT_EQ(ReplaceFirst("abc", "abc", ""), "");
    EXPECT_EQ(ReplaceFirst("abc", "c", "cc"), "abcc");
    // A part that does not occur, or an empty one, leaves the text as it is.
    EXPECT_EQ(ReplaceFirst("abc", "x", "y"), "abc");
    EXPECT_EQ(ReplaceFirst("abc", "", "y"), "abc");
}

TEST(Fpu, ResetOnlyWhenTheFlagIsSet) {
    const auto saved_x87 = CurrentFpuControlWord();
    const auto saved_sse = CurrentSseControl();
    // What a foreign library might leave behind: rounding toward zero, flush to zero.
    const std::uint16_t foreign_x87 = 0x0E7F;
    const std::uint32_t foreign_sse = 0xFF80;
    auto load = [](std::uint16_t x87, std::uint32_t sse) {
#if defined(__x86_64__) || defined(__i386__)
        asm volatile("fldcw %0" : : "m"(x87));
        asm volatile("ldmxcsr %0" : : "m"(sse));
#else
        (void)x87;
        (void)sse;
#endif
    };
    if (saved_x87 == 0) GTEST_SKIP() << "no x87 unit";

    load(foreign_x87, foreign_sse);
    SetResetFpu(false);
    ResetFpu();
    EXPECT_EQ(CurrentFpuControlWord() & 0x1F3F, foreign_x87 & 0x1F3F);
    EXPECT_EQ(CurrentSseControl() & 0xFFC0, foreign_sse & 0xFFC0);

    SetResetFpu(true);
    ResetFpu();
    EXPECT_EQ(CurrentFpuControlWord() & 0x1F3F, kProgramFpuControlWord & 0x1F3F);
    EXPECT_EQ(CurrentSseControl() & 0xFFC0, kProgramSseControl & 0xFFC0);
    // Exceptions stay masked: a division by zero gives infinity instead of a trap.
    volatile double zero = 0.0;
    EXPECT_TRUE(1.0 / zero > 1e308);

    SetResetFpu(false);
    load(saved_x87, saved_sse);
}
