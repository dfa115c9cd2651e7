// Moving and resizing the clock with the mouse: a drag on the face moves it, a press on an edge
// resizes it square around its middle.
#pragma once

#include <windows.h>

#include "clock/app/clock_surface_win.h"
#include "clock/app/window_geometry.h"
#include "clock/common/geometry.h"

namespace vistrel {

class ClockDrag {
public:
    explicit ClockDrag(ClockSurface& clock) : clock_(clock) {}
    ClockDrag(const ClockDrag&) = delete;
    ClockDrag& operator=(const ClockDrag&) = delete;

    // WM_NCLBUTTONDOWN: a press on an edge starts a resize; false for any other hit code (the
    // window's default handling then).
    bool StartResize(WPARAM hit, LPARAM lp);
    // WM_LBUTTONDOWN on the face: a drag starts.
    void StartDrag();
    // WM_MOUSEMOVE and WM_LBUTTONUP.
    void Move(WPARAM wp, LPARAM lp);
    void End();

private:
    ClockSurface& clock_;
    // A drag is computed in screen coordinates from where it started, so that a mouse message
    // that arrives before the system has caught up with the last move cannot lose a step.
    POINT drag_start_{};
    POINT drag_origin_{};
    bool dragging_ = false;
    bool resizing_ = false;
    Edge resize_edge_ = Edge::None;
    // A resize is computed from where it started, so that the centre does not drift by a
    // rounding with every mouse move.
    POINT resize_start_{};
    Rect resize_start_rect_;
};

} // namespace vistrel
