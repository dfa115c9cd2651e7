// The alarm list editor TfrmAlarmView: a modal dialog over copies of the alarms. The grid shows
// one row per alarm and an empty last row for a new one; the controls below edit the selected
// row. OK hands back the edited list, sorted; Cancel and the close box drop it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "clock/alarm/alarm_action.h"
#include "clock/alarm/alarm_item.h"
#include "clock/alarm/scheduler.h"

namespace vistrel {

class AlarmSound;

struct AlarmViewHost {
    HWND clock = nullptr; // the editor opens beside it
    // "実行": carries the action out now; throws when it cannot. Nothing: "実行" does nothing.
    std::function<void(const AlarmAction&)> carry_out;
    AlarmSound* sound = nullptr; // "再生" and "停止"; nothing: both do nothing
};

// The edited list on OK (to be taken back with TakeBackAlarms); nothing on Cancel or the close
// box.
std::optional<EditedAlarms> RunAlarmView(HWND owner, const AlarmViewHost& host, AlarmList records);

} // namespace vistrel
