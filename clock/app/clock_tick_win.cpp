#include "clock/app/clock_tick_win.h"

#include "clock/common/clock_source.h"

namespace vistrel {

namespace {
// The local time advances in steps of about 15 ms; aiming a little past the second boundary
// makes sure the new second is already there when the timer fires.
constexpr int kTickMarginMs = 20;
} // namespace

TDateTime ClockTick::DealtWith() const {
    return tick_.display.second >= 0 ? tick_.display.value : Now();
}

void ClockTick::StartTick() {
    ticking_ = true;
    ScheduleNextTick();
}

void ClockTick::StopTick() {
    ticking_ = false;
    if (clock_.Handle()) KillTimer(clock_.Handle(), kTimer);
}

void ClockTick::ScheduleNextTick() {
    SetTimer(clock_.Handle(), kTimer,
             static_cast<UINT>(MillisecondsToNextSecond(Now(), kTickMarginMs)), nullptr);
}

TickResult ClockTick::Run(SecondsShown shown, bool minimized) {
    if (ticking_) ScheduleNextTick();
    const TDateTime now = Now();
    return RunTick(tick_, now, shown, minimized);
}

} // namespace vistrel
