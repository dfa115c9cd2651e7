// Keeps the system's wake timer on the next alarm: aimed a minute before it while waking is on
// (WakeTimeFor), cancelled when it is off, alarms are off or no alarm is left. The clock calls
// Update after every change of its list or settings, after a wake and after the system time was
// set; the timer is only touched when its time changes or the caller asks again.
#pragma once

#include <optional>

#include "clock/alarm/alarm_item.h"

namespace vistrel {

class WakeTimerKeeper {
public:
    // `again`: aim an unchanged time anew (the system time moved, or the computer woke).
    void Update(const AlarmList& list, bool wake_up, bool alarm_use, bool again = false);

private:
    std::optional<TDateTime> aimed_;
};

} // namespace vistrel
