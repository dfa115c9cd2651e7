#include "clock/face/gdi_paint_win.h"

#include "clock/common/error.h"

namespace vistrel {

namespace {
std::vector<POINT> ToPoints(const std::vector<Point>& points, int d = 0) {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const Point& p : points) out.push_back({p.x + d, p.y + d});
    return out;
}
} // namespace

ScreenTraits QueryScreenTraits() {
    ScreenTraits t;
    const WindowDc screen(nullptr);
    if (!screen.get()) return t;
    t.bits_per_pixel = GetDeviceCaps(screen.get(), BITSPIXEL) * GetDeviceCaps(screen.get(), PLANES);
    return t;
}

DcPenBrush::DcPenBrush(HDC dc)
    : dc_(dc), pen_(dc, GetStockObject(DC_PEN)), brush_(dc, GetStockObject(DC_BRUSH)) {}

void DcPenBrush::Set(Colour pen, Colour brush) const {
    SetDCPenColor(dc_, ToColorRef(pen));
    SetDCBrushColor(dc_, ToColorRef(brush));
}

ClipGuard::ClipGuard(HDC dc, HRGN region) : dc_(dc) {
    const int kind = SelectClipRgn(dc, region);
    empty_ = kind == NULLREGION || kind == ERROR;
}

ClipGuard::~ClipGuard() { SelectClipRgn(dc_, nullptr); }

void DrawPolygon(HDC dc, const Polygon& points) {
    if (points.size() < 2) return;
    const std::vector<POINT> pts = ToPoints(points);
    SetPolyFillMode(dc, ALTERNATE);
    ::Polygon(dc, pts.data(), static_cast<int>(pts.size()));
}

void DrawEllipse(HDC dc, const Rect& box) { Ellipse(dc, box.left, box.top, box.right, box.bottom); }

void DrawRectangle(HDC dc, const Rect& box) {
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
}

void DrawPolyline(HDC dc, const std::vector<Point>& points) {
    if (points.size() < 2) return;
    const std::vector<POINT> pts = ToPoints(points);
    Polyline(dc, pts.data(), static_cast<int>(pts.size()));
}

void DrawAxisPolyline(DibCanvas& canvas, const std::vector<Point>& points, Colour colour) {
    const COLORREF c = ToColorRef(colour);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point a = points[i - 1], b = points[i];
        if (a.x == b.x && a.y != b.y) {
            const int top = a.y < b.y ? a.y : b.y + 1;
            const int bottom = a.y < b.y ? b.y : a.y + 1;
            canvas.FillRectDirect(a.x, top, a.x + 1, bottom, c);
        } else if (a.y == b.y && a.x != b.x) {
            const int left = a.x < b.x ? a.x : b.x + 1;
            const int right = a.x < b.x ? b.x : a.x + 1;
            canvas.FillRectDirect(left, a.y, right, a.y + 1, c);
        } else if (a.x != b.x) {
            const DcPenBrush pen(canvas.dc());
            pen.Set(colour);
            const POINT line[2] = {{a.x, a.y}, {b.x, b.y}};
            Polyline(canvas.dc(), line, 2);
        }
    }
}

void FrameRegion(HDC dc, HRGN region, Colour colour) {
    UniqueBrush brush(CreateSolidBrush(ToColorRef(colour)));
    if (!brush) throw Error("Cannot create a brush");
    FrameRgn(dc, region, brush.get(), 1, 1);
}

Rect Offset(const Rect& r, int d) { return {r.left + d, r.top + d, r.right + d, r.bottom + d}; }

} // namespace vistrel
