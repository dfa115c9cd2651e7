#include "support/region_probe.h"

namespace vistrel::test_support {

namespace {

bool InPolygon(const Polygon& poly, double x, double y) {
    bool inside = false; // alternate (even-odd) filling
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point a = poly[i], b = poly[j];
        if ((a.y > y) != (b.y > y)) {
            const double crossX = a.x + (y - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y);
            if (x < crossX) inside = !inside;
        }
    }
    return inside;
}

bool InEllipse(const Rect& r, double x, double y) {
    const double rx = (r.right - r.left) / 2.0, ry = (r.bottom - r.top) / 2.0;
    if (rx <= 0 || ry <= 0) return false;
    const double dx = (x - (r.left + rx)) / rx, dy = (y - (r.top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

bool InPart(const RegionPart& part, double x, double y) {
    switch (part.shape) {
    case RegionShape::Rectangle:
        return x >= part.box.left && x < part.box.right && y >= part.box.top && y < part.box.bottom;
    case RegionShape::Ellipse: return InEllipse(part.box, x, y);
    case RegionShape::Polygon: return !part.points.empty() && InPolygon(part.points, x, y);
    }
    return false;
}

} // namespace

bool RegionContains(const RegionRecipe& recipe, int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    bool inside = false;
    for (const RegionPart& part : recipe.parts) {
        if (part.op == RegionOp::Union) inside = inside || InPart(part, px, py);
        else inside = inside && !InPart(part, px, py);
    }
    return inside;
}

} // namespace vistrel::test_support
