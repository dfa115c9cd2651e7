#include "clock/common/colour_win.h"

namespace vistrel {

COLORREF ToColorRef(std::uint32_t colour) {
    if ((colour >> 24) == 0xFF) return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0x00FFFFFF;
}

} // namespace vistrel
