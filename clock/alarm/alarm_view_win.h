// The alarm list editor TfrmAlarmView: a modal dialog over copies of the alarms. The grid shows
// one row per alarm and an empty last row for a new one; the controls below edit the selected
// row. OK hands back the edited list, sorted; Cancel and the close box drop it.
#pragma once

#include <windows.h>

#include <optional>

#include "clock/alarm/alarm_item.h"
#include "clock/alarm/scheduler.h"
#include "clock/settings/option_item.h"

namespace vistrel {

class AlarmSound;

struct AlarmViewHost {
    HWND clock = nullptr;        // the editor opens beside it
    TOptionItem settings;        // the copy that "実行" runs the action with
    AlarmSound* sound = nullptr; // "再生" and "停止"; nothing: both do nothing
};

// The edited list on OK (to be taken back with TakeBackAlarms); nothing on Cancel or the close
// box.
std::optional<EditedAlarms> RunAlarmView(HWND owner, const AlarmViewHost& host, AlarmList records);

} // namespace vistrel
