#include "clock/app/clock_alarms_win.h"

#include <exception>
#include <utility>

#include "clock/alarm/missed_alarms_win.h"
#include "clock/alarm/snooze.h"
#include "clock/common/clock_source.h"
#include "clock/common/message_box.h"
#include "clock/common/message_loop_win.h"

namespace vistrel {

namespace {
// More alarms than this in one second would be a list gone wrong; the scheduler guarantees an
// end, this only keeps a broken promise from freezing the clock.
constexpr int kMostAlarmsInOneSecond = 10000;
} // namespace

void ClockAlarms::Start(AlarmHost host) {
    host_ = std::make_shared<AlarmHost>(std::move(host));
    sound_ = std::make_unique<AlarmSound>();
}

void ClockAlarms::End() {
    sound_.reset();
    host_.reset();
    alarms_.clear();
}

AlarmStartup ClockAlarms::LoadAtStart(const std::string& path, const AlarmLineOptions& options) {
    alarms_.clear();
    AlarmStartup startup = LoadAlarmFileAtStartup(path, alarms_, options);
    missed_at_start_ = std::move(startup.missed);
    return startup;
}

void ClockAlarms::ReportMissedAtStart() { ReportMissed(std::exchange(missed_at_start_, {})); }

bool ClockAlarms::Load(AlarmLoad how, std::string& folder, const AlarmLineOptions& options,
                       HWND owner) {
    if (!LoadAlarms(how, alarms_, folder, options, owner)) return false;
    clock_.Redraw();
    UpdateWakeTimer();
    return true;
}

void ClockAlarms::CatchUp(TDateTime dealt_with) {
    MissedAlarms missed;
    if (!CatchUpAlarms(alarms_, dealt_with, &missed)) return;
    ReportMissed(missed);
    UpdateWakeTimer();
}

void ClockAlarms::ReportMissed(const MissedAlarms& missed) {
    if (!clock_.Options().ReportMissed || missed.empty()) return;
    try {
        TfrmMissedAlarms::Open(missed, host_);
    } catch (const std::exception& e) {
        ShowMessageBox(e.what(), MsgType::Warning);
    }
}

void ClockAlarms::UpdateWakeTimer(bool again) {
    const TOptionItem& options = clock_.Options();
    wake_timer_.Update(alarms_, options.WakeUp, options.AlarmUse, again);
}

void ClockAlarms::RunDue(TDateTime now) {
    const TOptionItem& options = clock_.Options();
    const AlarmProcSettings settings{options.AlarmUse, options.MsgType, options.Action};
    bool fired_any = false;
    for (int i = 0; i < kMostAlarmsInOneSecond; ++i) {
        AlarmProcResult r = AlarmProc(alarms_, now, settings);
        if (r.sound && sound_) sound_->Play(*r.sound);
        if (r.announce) stage_.Announce(*r.announce);
        if (!r.error.empty()) ShowMessageBox(r.error, MsgType::Plain);
        if (!r.fired) break;
        fired_any = true;
    }
    // The dial marks show the alarms still to come.
    if (!fired_any) return;
    clock_.Redraw();
    UpdateWakeTimer();
}

void ClockAlarms::Snooze(const TAlarmItem& fired, bool editing) {
    const TAlarmItem snoozed = SnoozedAlarm(fired, Now(), clock_.Options().SnoozeMinutes);
    alarms_.push_back(snoozed);
    SortAlarms(alarms_);
    // The editor's OK hands back its own copies; a snooze made meanwhile goes back in then.
    if (editing) snoozes_.Add(snoozed);
    clock_.Redraw();
    UpdateWakeTimer();
    // Kept at once: a restart, or a crash, must not lose the message put off.
    if (!editing) stage_.SaveAlarms();
    StopSound();
}

void ClockAlarms::StopSound() {
    // The holder's end lets messages run; a stop asked for meanwhile is refused.
    const auto stopping = stopping_sound_.Enter();
    if (stopping && SoundPlaying()) {
        sound_->Stop();
        ProcessMessages();
    }
}

MissedAlarms ClockAlarms::TakeBack(const AlarmList& given, EditedAlarms edited,
                                   TDateTime dealt_with) {
    MissedAlarms missed;
    AlarmList taken = TakeBackAlarms(given, std::move(edited), dealt_with, &missed);
    snoozes_.KeepSnoozesMadeWhileEditing(taken, alarms_);
    alarms_ = std::move(taken);
    return missed;
}

} // namespace vistrel
