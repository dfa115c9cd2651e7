#include "clock/face/colour_key_win.h"

#include <cstring>
#include <vector>

#include "clock/common/handles_win.h"
#include "clock/face/colour_key.h"
#include "clock/face/gdi_paint_win.h"

namespace vistrel {

void KeyOutside(DibCanvas& face, HRGN outline, COLORREF key) {
    if (!outline || face.bits_per_pixel() != 32) return;
    GdiFlush();
    const std::uint32_t key_pixel = PixelOfColorRef(key);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(face.width()));
    const std::size_t bytes = row.size() * sizeof(std::uint32_t);
    for (int y = 0; y < face.height(); ++y) {
        // Through a copy: the image's rows need not be aligned for 32-bit access.
        std::memcpy(row.data(), face.Row(y), bytes);
        MoveOffKey(row.data(), face.width(), key_pixel);
        std::memcpy(face.Row(y), row.data(), bytes);
    }
    const UniqueRegion outside(CreateRectRgn(0, 0, face.width(), face.height()));
    if (!outside || CombineRgn(outside.get(), outside.get(), outline, RGN_DIFF) == ERROR) return;
    const DcPenBrush colours(face.dc());
    colours.Set(static_cast<Colour>(key));
    PaintRgn(face.dc(), outside.get());
}

} // namespace vistrel
