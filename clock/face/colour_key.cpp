#include "clock/face/colour_key.h"

namespace vistrel {

namespace {
constexpr std::uint32_t kScreenBits = 0xF8F8F8; // what a 15-bit screen keeps of each channel
constexpr std::uint32_t kGreenStep = 0x000800;  // the smallest green step it shows
} // namespace

bool LooksLikeKey(std::uint32_t rgb, std::uint32_t key_rgb) {
    return ((rgb ^ key_rgb) & kScreenBits) == 0;
}

void MoveOffKey(std::uint32_t* pixels, int count, std::uint32_t key_rgb) {
    for (int i = 0; i < count; ++i) {
        if (LooksLikeKey(pixels[i], key_rgb)) pixels[i] ^= kGreenStep;
    }
}

} // namespace vistrel
