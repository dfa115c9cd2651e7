// The clock's tick timer: aimed at the next second boundary (plus a margin) each time, so that
// the clock does its work once per displayed second, and the state the tick's decisions keep.
#pragma once

#include <windows.h>

#include "clock/app/clock_surface_win.h"
#include "clock/app/tick.h"

namespace vistrel {

class ClockTick {
public:
    // The timer on the clock window.
    static constexpr UINT_PTR kTimer = 1;

    explicit ClockTick(ClockSurface& clock) : clock_(clock) {}
    ClockTick(const ClockTick&) = delete;
    ClockTick& operator=(const ClockTick&) = delete;

    void StartTick();
    void StopTick();
    // Aims the timer at the next second boundary from now (the system time was set).
    void ScheduleNextTick();
    bool Ticking() const { return ticking_; }
    // The timer went off: aims it again while ticking, and decides what this tick does now.
    TickResult Run(SecondsShown shown, bool minimized);
    // The last second the tick dealt with.
    const DisplayTime& Display() const { return tick_.display; }
    // That second; before the first tick, the time now.
    TDateTime DealtWith() const;
    // The next tick catches up on alarms.
    void ForgetLastMinute() { tick_.last_minute = 0; }

private:
    ClockSurface& clock_;
    TickState tick_;
    bool ticking_ = false;
};

} // namespace vistrel
