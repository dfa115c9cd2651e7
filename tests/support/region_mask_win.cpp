#include "support/region_mask_win.h"

#include <algorithm>

namespace vistrel::test_support {

int PixelMask::Count() const {
    return static_cast<int>(std::count(bits.begin(), bits.end(), std::uint8_t{1}));
}

std::vector<RECT> RegionRects(HRGN region) {
    if (!region) return {};
    const DWORD bytes = GetRegionData(region, 0, nullptr);
    std::vector<RECT> storage((bytes + sizeof(RECT) - 1) / sizeof(RECT) + 1);
    auto* data = reinterpret_cast<RGNDATA*>(storage.data());
    if (!GetRegionData(region, bytes, data)) return {};
    const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(r, r + data->rdh.nCount);
}

PixelMask MaskOfRegion(HRGN region, int width, int height) {
    PixelMask m;
    m.width = width;
    m.height = height;
    m.bits.assign(static_cast<std::size_t>(width) * height, 0);
    for (const RECT& r : RegionRects(region))
        for (int y = std::max(0, static_cast<int>(r.top));
             y < std::min(height, static_cast<int>(r.bottom)); ++y)
            for (int x = std::max(0, static_cast<int>(r.left));
                 x < std::min(width, static_cast<int>(r.right)); ++x)
                m.bits[static_cast<std::size_t>(y) * width + x] = 1;
    return m;
}

} // namespace vistrel::test_support
