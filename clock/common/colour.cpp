#include "clock/common/colour.h"

namespace vistrel {

TColor InvertColour(TColor colour) {
    return static_cast<TColor>(static_cast<std::uint32_t>(colour) ^ 0x00FFFFFFu);
}

TColor ContrastColour(TColor colour) {
    constexpr unsigned kDark = 100;
    int dark = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        if (((static_cast<std::uint32_t>(colour) >> shift) & 0xFFu) < kDark) ++dark;
    }
    return dark >= 2 ? InvertColour(colour) : 0;
}

} // namespace vistrel
