#include "clock/app/editor_snoozes.h"

#include <algorithm>

#include "clock/alarm/scheduler.h"

namespace vistrel {

void EditorSnoozes::KeepSnoozesMadeWhileEditing(AlarmList& edited, const AlarmList& clock) {
    for (const TAlarmItem& s : snoozed_while_editing_) {
        // Those that have fired meanwhile are gone from the clock's list and stay gone.
        if (std::find(clock.begin(), clock.end(), s) != clock.end()) edited.push_back(s);
    }
    snoozed_while_editing_.clear();
    SortAlarms(edited);
}

bool EditorSnoozes::Drop() {
    const bool any = !snoozed_while_editing_.empty();
    snoozed_while_editing_.clear();
    return any;
}

} // namespace vistrel
