// Small GDI drawing helpers of the face: colours as the system takes them, pen and brush of
// one colour without creating objects, clipping that is always removed again, and the
// one-pixel edge line along a region.
#pragma once

#include "clock/common/colour_win.h"

#include <windows.h>

#include "clock/common/handles_win.h"
#include "clock/face/dib_canvas_win.h"
#include "clock/face/face_colours.h"
#include "clock/face/face_request.h"
#include "clock/face/region_recipe.h"

namespace vistrel {

// The screen's colour depth and resolution.
ScreenTraits QueryScreenTraits();

// Selects the DC's own pen and brush (one-pixel solid pen) for the guard's lifetime; their
// colours are then set without creating GDI objects.
class DcPenBrush {
public:
    explicit DcPenBrush(HDC dc);
    void Set(Colour pen, Colour brush) const;
    void Set(Colour both) const { Set(both, both); }

private:
    HDC dc_;
    SelectGuard pen_, brush_;
};

// Clips a DC to a region until the guard ends; empty() tells that nothing could be painted.
class ClipGuard {
public:
    ClipGuard(HDC dc, HRGN region);
    ~ClipGuard();
    ClipGuard(const ClipGuard&) = delete;
    ClipGuard& operator=(const ClipGuard&) = delete;
    bool empty() const { return empty_; }

private:
    HDC dc_;
    bool empty_;
};

// Polygon and ellipse with the pen and brush selected in the DC.
void DrawPolygon(HDC dc, const Polygon& points);
void DrawEllipse(HDC dc, const Rect& box);
void DrawRectangle(HDC dc, const Rect& box);
void DrawPolyline(HDC dc, const std::vector<Point>& points);

// A polyline of horizontal and vertical segments with a one-pixel pen, written straight into
// the image: each segment covers its start and leaves out its end, as GDI's lines do.
// A slanted segment is left to GDI. Call GdiFlush() first when GDI has drawn meanwhile.
void DrawAxisPolyline(DibCanvas& canvas, const std::vector<Point>& points, Colour colour);

// A line one pixel wide and high just inside the region's boundary.
void FrameRegion(HDC dc, HRGN region, Colour colour);

// Moves a rectangle d pixels right and down.
Rect Offset(const Rect& r, int d);

} // namespace vistrel
