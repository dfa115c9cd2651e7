#include "clock/face/hand_painter_win.h"

#include "clock/face/gdi_paint_win.h"
#include "clock/face/region_ops_win.h"

namespace vistrel {

namespace {
void PaintFills(HDC dc, const DcPenBrush& colours, const std::vector<HandFill>& fills) {
    for (const HandFill& fill : fills) {
        colours.Set(fill.colour);
        DrawPolygon(dc, fill.points);
    }
}
} // namespace

UniqueRegion PaintHand(HDC dc, const HandDrawing& hand) {
    UniqueRegion region = RegionFromRecipe(hand.region);
    if (!region) return region;
    const DcPenBrush colours(dc);
    {
        const ClipGuard clip(dc, region.get());
        if (!clip.empty()) PaintFills(dc, colours, hand.clipped_fills);
    }
    PaintFills(dc, colours, hand.overlay_fills);
    if (hand.edge) FrameRegion(dc, region.get(), *hand.edge);
    return region;
}

} // namespace vistrel
