// The corner anchor of the clock: which corner of its monitor it keeps to, taken after every
// move, and the return onto the screens after they change.
#pragma once

#include "clock/app/clock_surface_win.h"
#include "clock/common/geometry.h"
#include "clock/common/placement.h"

namespace vistrel {

class ClockAnchor {
public:
    explicit ClockAnchor(ClockSurface& clock) : clock_(clock) {}
    ClockAnchor(const ClockAnchor&) = delete;
    ClockAnchor& operator=(const ClockAnchor&) = delete;

    // Takes the anchor from where the clock is now.
    void UpdateAnchor();
    // WM_DISPLAYCHANGE: the primary monitor's new size.
    void OnDisplayChange(int width, int height);

private:
    ClockSurface& clock_;
    Anchor anchor_;
    Rect anchored_on_; // the bounds of the monitor the anchor was taken on
};

} // namespace vistrel
