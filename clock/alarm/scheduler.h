// The alarm scheduler's decisions: when each alarm is next due, keeping the list in order,
// dropping or moving alarms whose time passed unseen, and what is to happen in a given second.
// Playing, showing and running are left to the caller, so that everything here can be checked
// with a clock of the test's own.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "clock/alarm/alarm_item.h"
#include "clock/common/clock_source.h"

namespace vistrel {

// Whole minutes of x: its date plus hour and minute, seconds and milliseconds dropped.
TDateTime TruncToMinute(TDateTime x);
// Equal date, hour, minute and second (milliseconds ignored).
bool SameSecond(TDateTime a, TDateTime b);

// True when a record's kind, weekday and day of month allow a next time to be computed.
// A record read from a file is kept as read even when they do not; such a record fires at most
// once, at the next time it carries, and then leaves the list.
bool CanReschedule(const TAlarmItem& item);

// Sets the record's next time from its kind, set time, weekday and day of month, relative to
// now. Returns false, leaving the record unchanged, when CanReschedule is false.
bool CalcNextTime(TAlarmItem& item, TDateTime now = Now());

// Orders the list ascending by next time; records with equal times keep their order.
void SortAlarms(AlarmList& list);
// The order SortAlarms keeps: a before b.
bool NextTimeOrder(const TAlarmItem& a, const TAlarmItem& b);

// An alarm whose time passed while nobody saw it: the record as it was, and its last missed
// occurrence (for a repeating alarm missed several times, the latest one).
struct MissedAlarm {
    TAlarmItem item;
    TDateTime due = 0;
};
using MissedAlarms = std::vector<MissedAlarm>;

// Removes overdue timers (and overdue records that cannot be rescheduled), moves overdue
// repeating alarms to their next time after now; an alarm due later in the current minute is
// kept. Sorts when anything changed, and returns whether it did. Each overdue record is added
// to `missed` once, in the list's order; nothing fires and nothing plays here.
bool CatchUpAlarms(AlarmList& list, TDateTime now = Now(), MissedAlarms* missed = nullptr);

// The latest occurrence of a repeating record before `minute`, starting from its next time;
// the next time itself for a timer or a record that cannot be rescheduled.
TDateTime LastMissedTime(const TAlarmItem& item, TDateTime minute);

// What the alarm list editor's OK hands back: the records and, for each, its place in the list
// the editor was given (kNewAlarm for one made in the editor).
inline constexpr std::size_t kNewAlarm = static_cast<std::size_t>(-1);
struct EditedAlarms {
    AlarmList records;
    std::vector<std::size_t> origins;
};

// The editor's records taken back by the clock, which went on firing its own list while the
// editor worked on copies; `given` is the list the editor was given, `now` the last second the
// clock has dealt with. A record the clock had all along (same origin, same times) has had every
// time up to now fired or caught up already: it gets its next time after now, and a timer whose
// time has come leaves the list, so nothing fires twice. A new or re-timed record the clock never
// saw: a time of it that passed meanwhile is caught up as after a sleep (still due in the current
// minute, it fires; older, it is added to `missed`), so nothing is lost without a word. Every
// other record gets its next time from now. The list comes back sorted.
AlarmList TakeBackAlarms(const AlarmList& given, EditedAlarms edited, TDateTime now,
                         MissedAlarms* missed);

// When the wake timer is to go off: a minute before the head's first sound (its early sound,
// or its time), so that the computer has resumed when it is due; nothing when waking is off,
// alarms are off, or there is no alarm.
inline constexpr int kWakeLeadSeconds = 60;
std::optional<TDateTime> WakeTimeFor(const AlarmList& list, bool wake_up, bool alarm_use);

// The tick runs the catch-up pass when the clock has moved two minutes or more past the minute
// mark that the main window keeps (0 at start-up, so the first tick always runs it).
bool CatchUpDue(TDateTime now, TDateTime minute_mark);

// The settings of the [Alarm] section that decide what a firing does.
struct AlarmProcSettings {
    bool alarm_use = true; // "AlarmUse": off reschedules or removes due alarms silently
    int msg_type = 0;      // "MsgType": 0 normal, 1 simple, 2 board
    int effect = 2;        // "Action": 0 none, 1 flash, 2 shake
};

enum class AlarmWindow { None, Normal, Simple, Board };
enum class AlarmEffect { None, Flash, Shake };

// What the caller does for one fired alarm, in this order: open the window, run the effect to
// its end, then run the action.
struct AlarmAnnouncement {
    TAlarmItem item;                        // a copy of the record as it was when it fired
    AlarmWindow window = AlarmWindow::None; // None for an empty message or an unknown type
    AlarmEffect effect = AlarmEffect::None;
};

struct AlarmProcResult {
    // An alarm was due in this second and the list has already been updated for it; call
    // again with the same time until this is false.
    bool fired = false;
    // A sound to play now, before anything else: the head's early sound, or its sound at the
    // firing second when it has no lead time.
    std::optional<std::string> sound;
    // Present when an alarm fired and "AlarmUse" is on.
    std::optional<AlarmAnnouncement> announce;
    // Set when rescheduling failed; the caller shows it in a plain message box.
    std::string error;
};

// Examines the head of the list at now. It fires when its second has come, or has gone by
// unseen since the last catch-up pass. A fired repeating alarm moves to its next time and the
// list is re-sorted; a fired timer, or a record that cannot move past now, leaves the list. So
// no record fires twice in one second, and calling again until nothing fires always ends.
// The announcement of a record with the window of `msg_type` and the effect of `action`
// (the settings MsgType and Action).
AlarmAnnouncement AnnouncementOf(TAlarmItem item, int msg_type, int action);

AlarmProcResult AlarmProc(AlarmList& list, TDateTime now, const AlarmProcSettings& settings);

// The text that the caller shows when the fired alarm's action cannot be started.
std::string ActionFailedMessage(const std::string& action, const std::string& error);

} // namespace vistrel
