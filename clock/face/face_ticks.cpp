#include "clock/face/face_ticks.h"

namespace vistrel {

namespace {

Rect BoxAround(Point c, int h) { return {c.x - h, c.y - h, c.x + h, c.y + h}; }
Rect Moved(const Rect& r, int d) { return {r.left + d, r.top + d, r.right + d, r.bottom + d}; }

Colour TickColour(const TickStyleValues& v, int i, bool five) {
    const Colour first = five ? v.color5 : v.color_t;
    const Colour last = v.gradation ? (five ? v.color52 : v.color_t2) : first;
    return GradationColour(first, last, i, 60);
}

} // namespace

TickLayout LayoutTicks(const FaceMetrics& face, const TickStyleValues& v) {
    TickLayout layout;
    layout.style = ClampTo(v.thick_style, 0, 3);
    layout.shadow_offset = face.shadow_offset;
    if (!v.major_thick) return layout;
    // The five-minute ticks touch the ring from inside; the minute ticks share their centres.
    const int centre_radius = face.tick_ring - face.tick5_half;
    for (int i = 0; i < 60; ++i) {
        TickMark m;
        m.index = i;
        m.five_minute = i % 5 == 0;
        m.current_second = v.color_change && i == v.current_second;
        if (!m.five_minute && !v.minor_thick && !m.current_second) continue;
        m.centre = PolarPoint(6 * i, centre_radius, face.centre);
        m.half = m.five_minute ? face.tick5_half : face.tick_half;
        m.box = BoxAround(m.centre, m.half);
        m.colour = m.current_second ? v.color_thick_change : TickColour(v, i, m.five_minute);
        layout.marks.push_back(m);
    }
    for (const TickMark& m : layout.marks) {
        switch (layout.style) {
        case kTickCircle3D: layout.region.AddEllipse(m.box); break;
        case kTickSquare3D: layout.region.AddRect(m.box); break;
        default:
            layout.mask_boxes.push_back(Moved(m.box, face.shadow_offset));
            layout.mask_boxes.push_back(m.box);
            break;
        }
    }
    return layout;
}

std::vector<TickBox> SimpleTickPaint(const TickLayout& layout) {
    std::vector<TickBox> paint;
    paint.reserve(layout.marks.size() * 2);
    for (const TickMark& m : layout.marks) {
        if (m.current_second) paint.push_back({m.box, m.colour});
        else paint.push_back({Moved(m.box, layout.shadow_offset), kBlack});
    }
    for (const TickMark& m : layout.marks) paint.push_back({m.box, m.colour});
    return paint;
}

std::vector<Polyline> SquareTickBevel(const TickMark& m) {
    const int x = m.centre.x, y = m.centre.y, h = m.half;
    return {
        {{{x - h, y + h - 1}, {x - h, y - h}, {x + h - 1, y - h}}, FlatShade(m.colour, 0)},
        {{{x + h - 1, y - h}, {x + h - 1, y + h - 1}, {x - h, y + h - 1}}, FlatShade(m.colour, 3)},
        {{{x + h - 2, y - h + 1}, {x + h - 2, y + h - 2}, {x - h, y + h - 2}},
         FlatShade(m.colour, 2)},
    };
}

CircleTickBevel CircleTickBevelOf(const TickMark& m) {
    const int x = m.centre.x, y = m.centre.y, h = m.half;
    CircleTickBevel b;
    b.outer = m.box;
    b.outer_colour = FlatShade(m.colour, 0);
    b.arc_from = {x - h, y + h};
    b.arc_to = {x + h, y - h};
    b.arc_colour = FlatShade(m.colour, 3);
    b.inner = {m.box.left + 2, m.box.top + 2, m.box.right - 2, m.box.bottom - 2};
    b.inner_colour = m.colour;
    return b;
}

} // namespace vistrel
