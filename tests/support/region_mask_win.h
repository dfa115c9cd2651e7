// Reads a region back pixel by pixel, from the rectangles the system keeps for it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vistrel::test_support {

struct PixelMask {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bits; // 1 inside
    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               bits[static_cast<std::size_t>(y) * width + x];
    }
    int Count() const;
};

// The pixels of region inside 0..width x 0..height; a null region gives an empty mask.
PixelMask MaskOfRegion(HRGN region, int width, int height);
// The rectangles the system holds for a region.
std::vector<RECT> RegionRects(HRGN region);

} // namespace vistrel::test_support
