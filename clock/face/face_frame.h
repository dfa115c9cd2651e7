// The frame ring: a circle, square or octagon band between the frame radius and the frame
// radius less the frame width.
#pragma once

#include <optional>

#include "clock/face/face_colours.h"
#include "clock/face/face_metrics.h"
#include "clock/face/region_recipe.h"

namespace vistrel {

enum FrameStyle { kFrameCircle = 0, kFrameSquare = 1, kFrameOctagon = 2 };

struct FrameStyleValues {
    bool show = false;
    int style = 0;          // any other value draws nothing
    Colour fill = 0;        // ColorFrame
    Colour edge_colour = 0; // ColorFrameE
};

struct FrameDrawing {
    RegionRecipe region; // the whole image is filled in `fill` clipped to it; joins the outline
    Colour fill = 0;
    std::optional<Colour> edge; // one-pixel line inside the boundary, only when it differs
};

FrameDrawing DrawFrame(const FaceMetrics& face, const FrameStyleValues& v);

// The eight corners of the octagon whose sides lie `distance` x 0.93 from the centre.
Polygon OctagonPoints(Point centre, int distance);

} // namespace vistrel
