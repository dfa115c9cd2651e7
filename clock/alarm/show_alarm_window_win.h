// The announcement of a fired alarm: its notification window, then the clock's effect.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "clock/alarm/alarm_board_win.h"
#include "clock/alarm/alarm_notice_win.h"
#include "clock/alarm/scheduler.h"
#include "clock/settings/option_item.h"

namespace vistrel {

// The settings of the [Alarm] section that the windows take.
struct AlarmWindowSettings {
    int interval = 0; // "Interval": minutes until a normal or simple window closes; 0 never
    int times = 2;    // "Times": passes of the board; 0 never
    int speed = 2;    // "Speed": the board's speed, 1 fastest to 6 slowest
};
AlarmWindowSettings AlarmWindowSettingsOf(const TOptionItem& option);

// What the clock window hands to an announcement.
struct AlarmShowContext {
    std::shared_ptr<const AlarmHost> host;
    BoardPlace board;
    // Runs the flash or shake on the clock window to its end; none runs nothing.
    std::function<void(AlarmEffect)> run_effect;
};

// Opens one notification window of the given kind for a record (None opens nothing). Returns
// its handle, or null. The window frees itself when it closes.
HWND OpenAlarmWindow(AlarmWindow kind, const TAlarmItem& item, const AlarmWindowSettings& settings,
                     const AlarmShowContext& context);

// What the tick does with an announcement from AlarmProc: opens the window it asks for, then
// runs its effect to the end, so that the alarm's action comes after both. Returns the
// window, or null when the message was empty or the type unknown.
HWND ShowAlarmWindow(const AlarmAnnouncement& announcement, const AlarmWindowSettings& settings,
                     const AlarmShowContext& context);

} // namespace vistrel
