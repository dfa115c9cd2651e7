// The snoozes made while the alarm list editor is open. The editor's OK hands back its own
// copies of the records, made before these existed, so they go into the copies then.
#pragma once

#include "clock/alarm/alarm_item.h"

namespace vistrel {

class EditorSnoozes {
public:
    void Add(const TAlarmItem& snoozed) { snoozed_while_editing_.push_back(snoozed); }
    // OK: those still in the clock's list go into the edited list, which comes back sorted.
    void KeepSnoozesMadeWhileEditing(AlarmList& edited, const AlarmList& clock);
    // Cancel: true when any were made (the clock's list has them, unsaved); forgets them.
    bool Drop();

private:
    AlarmList snoozed_while_editing_;
};

} // namespace vistrel
