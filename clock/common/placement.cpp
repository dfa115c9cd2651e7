#include "clock/common/placement.h"

#include <algorithm>

namespace vistrel {

namespace {
long long Overlap(const Rect& a, const Rect& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// The squared gap between two rectangles (0 when they touch or overlap).
long long Gap(const Rect& a, const Rect& b) {
    const long long dx = std::max(
        {0LL, static_cast<long long>(b.left) - a.right, static_cast<long long>(a.left) - b.right});
    const long long dy = std::max(
        {0LL, static_cast<long long>(b.top) - a.bottom, static_cast<long long>(a.top) - b.bottom});
    return dx * dx + dy * dy;
}

int KeptAlong(int start, int length, int area_start, int area_end) {
    if (start + length > area_end) start = area_end - length;
    return std::max(start, area_start);
}
} // namespace

std::size_t MonitorIndexFor(std::span<const Monitor> monitors, const Rect& rect) {
    std::size_t best = 0;
    long long best_overlap = -1;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const long long o = Overlap(monitors[i].bounds, rect);
        if (o > best_overlap) {
            best = i;
            best_overlap = o;
        }
    }
    if (best_overlap > 0) return best;
    for (std::size_t i = 1; i < monitors.size(); ++i) {
        if (Gap(monitors[i].bounds, rect) < Gap(monitors[best].bounds, rect)) best = i;
    }
    return best;
}

Rect KeptWithin(const Rect& rect, const Rect& area) {
    return Rect::Sized(KeptAlong(rect.left, rect.width(), area.left, area.right),
                       KeptAlong(rect.top, rect.height(), area.top, area.bottom), rect.width(),
                       rect.height());
}

Point PlaceNearClock(const Rect& clock, Size dialog, const Rect& screen) {
    Point p;
    p.x = clock.left + clock.width() / 2;
    if (screen.right < p.x + dialog.width) {
        p.x = screen.right - dialog.width;
    } else if (clock.left <= screen.left) {
        p.x = screen.left;
    }
    p.y = clock.bottom;
    if (screen.bottom < p.y + dialog.height) p.y = clock.top - dialog.height;
    if (p.y < screen.top) p.y = clock.top + clock.height() / 2;
    return p;
}

Point PlaceInfoWindow(const Rect& clock, Size window, const Rect& screen) {
    Point p;
    p.x = clock.left - window.width;
    if (p.x < screen.left) p.x = clock.right;
    if (clock.top + window.height > screen.bottom) {
        p.y = screen.bottom - window.height;
    } else {
        p.y = std::max(clock.top, screen.top);
    }
    return p;
}

Point CentreOn(const Rect& screen, Size window) {
    return {screen.left + (screen.width() - window.width) / 2,
            screen.top + (screen.height() - window.height) / 2};
}

Anchor UpdateAnchor(const Rect& rect, const Rect& screen, Anchor previous) {
    const int w = rect.width(), h = rect.height();
    // Relative to the screen's top-left corner, so that the rule reads as on a single screen.
    const int left = rect.left - screen.left, top = rect.top - screen.top;
    const int sw = screen.width(), sh = screen.height();
    const int cx = left + w / 2;
    const int cy = top + h / 2;
    const int from_right = sw - (left + w);
    const int from_bottom = sh - (top + h);
    if (cx < w && cy < h) return {Corner::TopLeft, left, top};
    if (cx > sw - w && cy < h) return {Corner::TopRight, from_right, top};
    if (cx < w && cy > sh - h) return {Corner::BottomLeft, left, from_bottom};
    if (cx > sw - w && cy > sh - h) return {Corner::BottomRight, from_right, from_bottom};
    previous.corner = Corner::None;
    return previous;
}

Rect PlaceFromAnchor(const Rect& rect, const Anchor& a, const Rect& screen) {
    const int w = rect.width(), h = rect.height();
    const int l = screen.left, t = screen.top, r = screen.right, b = screen.bottom;
    switch (a.corner) {
    case Corner::TopLeft: return Rect::Sized(l + a.dx, t + a.dy, w, h);
    case Corner::TopRight: return Rect::Sized(r - a.dx - w, t + a.dy, w, h);
    case Corner::BottomLeft: return Rect::Sized(l + a.dx, b - a.dy - h, w, h);
    case Corner::BottomRight: return Rect::Sized(r - a.dx - w, b - a.dy - h, w, h);
    case Corner::None: break;
    }
    return rect;
}

ScreenChange AfterScreensChanged(const Rect& clock, const Anchor& anchor, const Rect& anchored_on,
                                 std::span<const Monitor> monitors) {
    if (monitors.empty()) return {clock, anchored_on};
    // The clock's own monitor is the one that now covers most of where that monitor was.
    const Rect& screen = monitors[MonitorIndexFor(monitors, anchored_on)].bounds;
    Rect placed = PlaceFromAnchor(clock, anchor, screen);
    if (anchor.corner == Corner::None && !(screen == anchored_on)) {
        // No corner: the same place relative to the monitor's top-left corner.
        placed =
            Rect::Sized(screen.left + clock.left - anchored_on.left,
                        screen.top + clock.top - anchored_on.top, clock.width(), clock.height());
    }
    return {KeptWithin(placed, screen), screen};
}

} // namespace vistrel
