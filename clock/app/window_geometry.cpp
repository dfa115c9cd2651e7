#include "clock/app/window_geometry.h"

#include <cmath>

#include "clock/face/face_math.h"

namespace vistrel {

int EdgeMargin(const EdgeMarginInput& in) {
    if (in.mojiban) {
        // A numeral size of 17 or more would divide by zero or turn the band inside out: the
        // band is then as wide as the numerals allow at their largest.
        const int divisor = 17 - in.moji_size;
        return Nearest(static_cast<double>(in.size) / (divisor >= 1 ? divisor : 1));
    }
    const int r = Nearest(in.size / 2.0);
    const int f = Nearest(r * static_cast<double>(in.thick5_size) / 1000.0);
    return r + 2 * f - static_cast<int>(std::trunc(r * static_cast<double>(in.thick_pos) / 100.0));
}

Edge EdgeAt(int x, int y, int width, int height, int margin) {
    if (x < margin) return Edge::Left;
    if (x > width - margin) return Edge::Right;
    if (y < margin) return Edge::Top;
    if (y > height - margin) return Edge::Bottom;
    return Edge::None;
}

ResizeResult ResizeStep(const Rect& rect, Edge edge, int last_x, int last_y, int px, int py,
                        int minimum) {
    const int mx = px - last_x;
    const int my = py - last_y;
    Rect r = rect;
    int d = rect.width();
    switch (edge) {
    case Edge::Left:
        d = rect.width() - mx;
        r.left += mx;
        r.top += Nearest(mx / 2.0);
        break;
    case Edge::Right:
        d = rect.width() + mx;
        r.top -= Nearest(mx / 2.0);
        break;
    case Edge::Top:
        d = rect.width() - my;
        r.left += Nearest(my / 2.0);
        r.top += my;
        break;
    case Edge::Bottom:
        d = rect.width() + my;
        r.left -= Nearest(my / 2.0);
        break;
    case Edge::None: break;
    }
    if (d < minimum) return {false, rect};
    r.right = r.left + d;
    r.bottom = r.top + d;
    return {true, r};
}

Offset MoveAway(const Rect& win, int x, int y, int escape_speed) {
    const int s = 90 - 15 * escape_speed;
    const int L = win.left, T = win.top, W = win.width(), H = win.height();
    const auto in = [&](int x0, int x1, int y0, int y1) {
        return x >= x0 && x < x1 && y >= y0 && y < y1;
    };
    struct Row {
        int x0, x1, y0, y1, dx, dy;
    };
    const Row rows[] = {
        {L + W / 3, L + 2 * (W / 3), T, T + H / 3, 0, +s},           // top middle
        {L, L + W / 3, T + H / 3, T + 2 * (H / 3), +s, 0},           // left middle
        {L + 2 * (W / 3), L + W, T + H / 3, T + 2 * (H / 3), -s, 0}, // right middle
        {L + W / 3, L + 2 * (W / 3), T + 2 * (H / 3), T + H, 0, -s}, // bottom middle
        {L, L + W / 2, T, T + H / 2, +s, +s},                        // upper left
        {L, L + W / 2, T + H / 2, T + H, +s, -s},                    // lower left
        {L + W / 2, L + W, T, T + H / 2, -s, +s},                    // upper right
        {L + W / 2, L + W, T + H / 2, T + H, -s, -s},                // lower right
    };
    for (const Row& r : rows) {
        if (in(r.x0, r.x1, r.y0, r.y1)) return {r.dx, r.dy};
    }
    return {};
}

} // namespace vistrel
