// The arithmetic of the clock window's behaviours, kept apart from the window so that it can be
// tested on its own: the edge margin of the hit test, the square resize and the escape steps of
// the locked clock (the corner anchor is with the other placements, clock/common/placement.h).
#pragma once

#include "clock/common/geometry.h"
#include "clock/common/placement.h"
#include "clock/settings/settings_file.h"

namespace vistrel {

// --- hit test ---
enum class Edge { None, Left, Right, Top, Bottom };

struct EdgeMarginInput {
    int size = 133;
    bool mojiban = false; // dial numerals shown
    int moji_size = 5;
    int thick_pos = 0;
    int thick5_size = 0;
};
// Width of the band along the window's edges that resizes instead of moving.
int EdgeMargin(const EdgeMarginInput& in);
// Which edge band the client point (x, y) lies in; left wins over right over top over bottom.
Edge EdgeAt(int x, int y, int width, int height, int margin);

// --- resize ---
struct ResizeResult {
    bool accepted = false; // false: the move would make the clock smaller than allowed
    Rect rect;
};
// One resize step from `rect` while `edge` is dragged from the last point to (px, py). The window
// stays square and keeps its centre on the axis that is not dragged; it is refused below
// `minimum` pixels (the smallest clock on a screen of that DPI).
ResizeResult ResizeStep(const Rect& rect, Edge edge, int last_x, int last_y, int px, int py,
                        int minimum = kMinimumClockSize);

// --- lock ---
// The lock applies when locked and the temporary key is not held, or unlocked and it is held.
inline bool LockApplies(bool locked, bool temp_key_held) { return locked != temp_key_held; }

struct Offset {
    int dx = 0, dy = 0;
};
// One escape step: moves the window away from the side the cursor is on.
Offset MoveAway(const Rect& window, int cursor_x, int cursor_y, int escape_speed);

} // namespace vistrel
