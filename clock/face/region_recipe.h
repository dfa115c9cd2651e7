// A region described as data: rectangles, ellipses (by their box) and polygons (alternate
// filling), combined one after another into an accumulated region that starts as none.
// The Windows layer turns a recipe into one region handle; the geometry stays portable.
#pragma once

#include <vector>

#include "clock/face/face_math.h"

namespace vistrel {

using Polygon = std::vector<Point>;

enum class RegionShape { Rectangle, Ellipse, Polygon };

// Union: none becomes the part, otherwise the part is added.
// Cut: the part is taken away; a region that is still none stays none.
enum class RegionOp { Union, Cut };

struct RegionPart {
    RegionOp op = RegionOp::Union;
    RegionShape shape = RegionShape::Rectangle;
    Rect box;       // rectangle or ellipse box
    Polygon points; // polygon corners
};

struct RegionRecipe {
    std::vector<RegionPart> parts;

    void AddRect(const Rect& r) { parts.push_back({RegionOp::Union, RegionShape::Rectangle, r, {}}); }
    void AddEllipse(const Rect& r) { parts.push_back({RegionOp::Union, RegionShape::Ellipse, r, {}}); }
    void AddPolygon(Polygon p) {
        parts.push_back({RegionOp::Union, RegionShape::Polygon, {}, std::move(p)});
    }
    void CutRect(const Rect& r) { parts.push_back({RegionOp::Cut, RegionShape::Rectangle, r, {}}); }
    void CutEllipse(const Rect& r) { parts.push_back({RegionOp::Cut, RegionShape::Ellipse, r, {}}); }
    void CutPolygon(Polygon p) {
        parts.push_back({RegionOp::Cut, RegionShape::Polygon, {}, std::move(p)});
    }
    // True when the recipe yields no region at all (it never adds anything).
    bool IsNone() const;
};

// The same recipe moved by (dx, dy).
RegionRecipe Shifted(const RegionRecipe& recipe, int dx, int dy);

} // namespace vistrel
