// The sixty tick marks of the dial: which are drawn, where, how large and in which colour,
// and the bevels of the 3D styles.
#pragma once

#include <vector>

#include "clock/face/face_colours.h"
#include "clock/face/face_metrics.h"
#include "clock/face/region_recipe.h"

namespace vistrel {

enum TickStyle {
    kTickCircle3D = 0,
    kTickSquare3D = 1,
    kTickCircleSimple = 2,
    kTickSquareSimple = 3
};

struct TickStyleValues {
    bool major_thick = false; // ticks at all
    bool minor_thick = false; // the minute ticks too
    int thick_style = 0;      // 0..3, held there
    bool gradation = false;   // ThickGuradeshon and a screen of at least 16 bits per pixel
    Colour color5 = 0, color52 = 0, color_t = 0, color_t2 = 0;
    bool color_change = false; // mark the tick of the current second
    Colour color_thick_change = 0;
    int current_second = -1;
};

struct TickMark {
    int index = 0; // 0..59, at angle 6 x index
    bool five_minute = false;
    bool current_second = false; // drawn plainly in color_thick_change, unshifted, in every style
    Point centre;
    int half = 0;
    Rect box; // (x - h, y - h) to (x + h, y + h)
    Colour colour = 0;
};

struct TickLayout {
    int style = 0;
    int shadow_offset = 0;
    std::vector<TickMark> marks; // only the ticks that are drawn, in index order
    // 3D styles: the union of the tick circles or squares, straight into the window outline.
    RegionRecipe region;
    // Simple styles: the boxes drawn white into the shape image (at offset d, then 0).
    std::vector<Rect> mask_boxes;
};

TickLayout LayoutTicks(const FaceMetrics& face, const TickStyleValues& v);

struct TickBox {
    Rect box;
    Colour colour = 0;
};
// Simple styles: the shadow pass (black at offset d) for every tick, then the main pass.
std::vector<TickBox> SimpleTickPaint(const TickLayout& layout);

struct Polyline {
    std::vector<Point> points;
    Colour colour = 0;
};
// Square 3D: light lines up the left and along the top, dark ones down the right and along the
// bottom, and a second dark line inside them.
std::vector<Polyline> SquareTickBevel(const TickMark& mark);

// Circle 3D: a light disc, a dark arc along its lower right half (drawn counter-clockwise from
// arc_from to arc_to), then the tick colour in the disc shrunk by 2 pixels.
struct CircleTickBevel {
    Rect outer;
    Colour outer_colour = 0;
    Point arc_from, arc_to;
    Colour arc_colour = 0;
    Rect inner;
    Colour inner_colour = 0;
};
CircleTickBevel CircleTickBevelOf(const TickMark& mark);

} // namespace vistrel
