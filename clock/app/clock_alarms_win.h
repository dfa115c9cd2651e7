// The clock's alarms: the list the clock fires from, the sound, the host the notices hold, the
// wake timer, and the hand-over to and from the alarm list editor.
#pragma once

#include <memory>
#include <string>

#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_item.h"
#include "clock/alarm/alarm_notice_win.h"
#include "clock/alarm/alarm_sound_win.h"
#include "clock/alarm/scheduler.h"
#include "clock/alarm/wake_timer.h"
#include "clock/app/clock_surface_win.h"
#include "clock/app/editor_snoozes.h"
#include "clock/app/file_commands.h"
#include "clock/common/reentry_guard.h"

namespace vistrel {

// What an alarm asks of the clock window beyond its surface.
class AlarmStage {
public:
    // The alarm's window and effect on the clock, then its action.
    virtual void Announce(const AlarmAnnouncement& announcement) = 0;
    // The list written to its file (never over a file that could not be read at the start).
    virtual void SaveAlarms() = 0;

protected:
    ~AlarmStage() = default;
};

class ClockAlarms {
public:
    ClockAlarms(ClockSurface& clock, AlarmStage& stage) : clock_(clock), stage_(stage) {}
    ClockAlarms(const ClockAlarms&) = delete;
    ClockAlarms& operator=(const ClockAlarms&) = delete;

    // The sound and the notices' host, before the first alarm.
    void Start(AlarmHost host);
    // The program's end: open notices hold the host weakly and touch the clock no more.
    void End();

    // The alarm file at the start, read and caught up. Its notices are the caller's to show;
    // what was missed waits for ReportMissedAtStart (the settings that ask for it are read later).
    AlarmStartup LoadAtStart(const std::string& path, const AlarmLineOptions& options);
    void ReportMissedAtStart();
    // The menu's load and add: true when the list changed.
    bool Load(AlarmLoad how, std::string& folder, const AlarmLineOptions& options, HWND owner);

    const AlarmList& List() const { return alarms_; }

    // After a jump of the clock: what passed unseen moves on and is reported.
    void CatchUp(TDateTime dealt_with);
    // The notice of alarms whose time passed unseen, when the settings ask for it.
    void ReportMissed(const MissedAlarms& missed);
    // Keeps the wake timer aimed at the next alarm (or cancelled); `again` re-aims it also when
    // the alarm is the same (after a wake or a change of the system time).
    void UpdateWakeTimer(bool again = false);
    // Fires what is due at `now`: its sound, its announcement, its message.
    void RunDue(TDateTime now);
    // "あとで" on a notice: the fired record comes back after the snooze length. `editing`: the
    // alarm list editor is open, and its OK takes the snooze in.
    void Snooze(const TAlarmItem& fired, bool editing);

    void StopSound();
    bool SoundPlaying() const { return sound_ && sound_->IsPlaying(); }
    AlarmSound* Sound() const { return sound_.get(); }
    std::shared_ptr<const AlarmHost> Host() const { return host_; }

    // The editor's OK: its records become the list, with next times from the last second the
    // clock dealt with; returns what passed unseen. The caller saves.
    MissedAlarms TakeBack(const AlarmList& given, EditedAlarms edited, TDateTime dealt_with);
    // The editor's Cancel: true when snoozes made meanwhile are in the list, unsaved.
    bool DropEditorSnoozes() { return snoozes_.Drop(); }

private:
    ClockSurface& clock_;
    AlarmStage& stage_;
    AlarmList alarms_;
    std::unique_ptr<AlarmSound> sound_;
    std::shared_ptr<AlarmHost> host_;
    WakeTimerKeeper wake_timer_;
    MissedAlarms missed_at_start_;
    EditorSnoozes snoozes_; // put into the editor's list when it is taken back
    ReentryGuard stopping_sound_;
};

} // namespace vistrel
