// The clock's see-through parts as a colour key: every pixel outside the outline is painted in
// the key colour, and the system leaves pixels of that colour out of the window. A drawn pixel
// that happens to look like the key must be moved off it, or it would vanish too.
#pragma once

#include <cstdint>

namespace vistrel {

// Both colours as 0x00RRGGBB, the order of a 32-bit image's pixels.
// A screen of 15 or 16 bits per pixel keeps only the top five bits of red and blue (and five
// or six of green), so a colour matches the key when those bits match.
bool LooksLikeKey(std::uint32_t rgb, std::uint32_t key_rgb);

// Moves each pixel that looks like the key off it by one step of green that even a 15-bit
// screen shows; the other pixels keep their colour.
void MoveOffKey(std::uint32_t* pixels, int count, std::uint32_t key_rgb);

// A COLORREF (0x00BBGGRR) as a pixel value (0x00RRGGBB).
constexpr std::uint32_t PixelOfColorRef(std::uint32_t color_ref) {
    return ((color_ref & 0xFF) << 16) | (color_ref & 0xFF00) | ((color_ref >> 16) & 0xFF);
}

} // namespace vistrel
