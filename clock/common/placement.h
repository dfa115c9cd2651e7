// Where the program's windows go on the monitors: the clock's corner anchor and its return after
// a change of the screens, the dialogs beside the clock, the time adjustment log, the notices in
// the middle of the clock's monitor, and a stored place brought back onto a monitor. All places
// are in virtual-screen pixels; a monitor's bounds stand where a single screen's size would, its
// work area where the desktop's work area would.
#pragma once

#include <cstddef>
#include <span>

#include "clock/common/geometry.h"

namespace vistrel {

// The monitor a window on `rect` belongs to: the one it overlaps most, else the nearest one (the
// first of equals: the list starts with the primary monitor). The list must not be empty.
std::size_t MonitorIndexFor(std::span<const Monitor> monitors, const Rect& rect);

// `rect` moved, not resized, the least distance that puts it inside `area`; a rectangle larger
// than the area keeps its left or top edge on the area's.
Rect KeptWithin(const Rect& rect, const Rect& area);

// A dialog's top-left corner: its left edge at the clock's middle (flush with the screen's right
// edge where it would pass it, at the screen's left edge when the clock starts left of it), its
// top at the clock's bottom (above the clock where it would leave the screen at the bottom, at
// the clock's middle where that is above the screen). `screen`: the clock's monitor.
Point PlaceNearClock(const Rect& clock, Size dialog, const Rect& screen);

// The time adjustment log: left of the clock, or right of it when the screen's left edge leaves
// no room; level with the clock's top (the screen's top when the clock reaches above it), lifted
// where its bottom would leave the screen.
Point PlaceInfoWindow(const Rect& clock, Size window, const Rect& screen);

// A window of this size in the middle of `screen` (halves truncated).
Point CentreOn(const Rect& screen, Size window);

// --- the corner anchor

enum class Corner { TopRight = 0, BottomRight = 1, TopLeft = 2, BottomLeft = 3, None = 4 };
struct Anchor {
    Corner corner = Corner::None;
    int dx = 0, dy = 0; // distances from that corner's two edges of the screen
};
// The corner a window on `rect` is anchored to on `screen`; in the middle, no corner and the old
// distances.
Anchor UpdateAnchor(const Rect& rect, const Rect& screen, Anchor previous);
// The window's place on `screen` from its anchor; a window with no corner stays.
Rect PlaceFromAnchor(const Rect& rect, const Anchor& anchor, const Rect& screen);

// Where the clock goes after the screens changed. The anchor was taken on `anchored_on` (the
// bounds of the clock's monitor then); the clock returns to the monitor that holds it now (the
// nearest one when its own is gone), at the same corner distance there, and fully visible on it.
struct ScreenChange {
    Rect clock;  // the clock's new place
    Rect screen; // the bounds of its monitor, on which the anchor is taken from now on
};
ScreenChange AfterScreensChanged(const Rect& clock, const Anchor& anchor, const Rect& anchored_on,
                                 std::span<const Monitor> monitors);

} // namespace vistrel
