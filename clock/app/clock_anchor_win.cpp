#include "clock/app/clock_anchor_win.h"

#include <vector>

#include "clock/common/monitors_win.h"

namespace vistrel {

void ClockAnchor::UpdateAnchor() {
    anchored_on_ = MonitorOfRect(clock_.Bounds()).bounds;
    anchor_ = vistrel::UpdateAnchor(clock_.Bounds(), anchored_on_, anchor_);
}

void ClockAnchor::OnDisplayChange(int width, int height) {
    std::vector<Monitor> monitors = CurrentMonitors();
    // The message carries the primary monitor's new size; the list may not show it yet.
    Rect& primary = monitors.front().bounds;
    primary = Rect::Sized(primary.left, primary.top, width, height);
    const ScreenChange change =
        AfterScreensChanged(clock_.Bounds(), anchor_, anchored_on_, monitors);
    clock_.PlaceWindow(change.clock);
    anchored_on_ = change.screen;
    anchor_ = vistrel::UpdateAnchor(change.clock, anchored_on_, anchor_);
}

} // namespace vistrel
