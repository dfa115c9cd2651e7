// The monitors as the system reports them, and the one place that knows which window is the
// clock: every window placed beside or in the middle of the clock asks ClockMonitor().
#pragma once

#include <windows.h>

#include <vector>

#include "clock/common/geometry.h"

namespace vistrel {

// Every monitor with its DPI, the primary one first.
std::vector<Monitor> CurrentMonitors();

// The monitor that holds most of the window (the nearest one when it is on none).
Monitor MonitorOfWindow(HWND window);
Monitor MonitorOfRect(const Rect& rect);

// The DPI a window is drawn at (96 where the system cannot tell).
int DpiOf(HWND window);

// The clock window registers itself while it exists (nullptr when it goes).
void SetClockWindow(HWND clock);
// The clock's monitor; the primary monitor while there is no clock.
Monitor ClockMonitor();

} // namespace vistrel
