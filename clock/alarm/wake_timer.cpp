#include "clock/alarm/wake_timer.h"

#include "clock/alarm/scheduler.h"
#include "clock/common/system_actions.h"

namespace vistrel {

void WakeTimerKeeper::Update(const AlarmList& list, bool wake_up, bool alarm_use, bool again) {
    const std::optional<TDateTime> wake = WakeTimeFor(list, wake_up, alarm_use);
    if (!again && wake == aimed_) return;
    if (wake) {
        CurrentSystemActions().AimWakeTimer(*wake);
    } else if (aimed_ || again) {
        CurrentSystemActions().CancelWakeTimer();
    }
    aimed_ = wake;
}

} // namespace vistrel
