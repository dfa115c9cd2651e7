// The alarms in the clock's tick: catching up after a jump of the clock, and announcing what
// is due: its sound, its window, the effect on the clock, and its action.
#include "clock/app/main_window_win.h"

#include <algorithm>
#include <exception>

#include "clock/alarm/missed_alarms_win.h"
#include "clock/alarm/scheduler.h"
#include "clock/alarm/snooze.h"
#include "clock/common/message_box.h"
#include "clock/common/run_command.h"

namespace vistrel {

namespace {
// More alarms than this in one second would be a list gone wrong; the scheduler guarantees an
// end, this only keeps a broken promise from freezing the clock.
constexpr int kMostAlarmsInOneSecond = 10000;
} // namespace

void TfrmVistrel::CatchUp() {
    MissedAlarms missed;
    if (!CatchUpAlarms(alarms_, tick_.display.value, &missed)) return;
    ReportMissedAlarms(missed);
    UpdateWakeTimer();
}

void TfrmVistrel::ReportMissedAlarms(const MissedAlarms& missed) {
    if (!option_.ReportMissed || missed.empty()) return;
    try {
        TfrmMissedAlarms::Open(missed, alarm_host_);
    } catch (const std::exception& e) {
        ShowMessageBox(e.what(), MsgType::Warning);
    }
}

void TfrmVistrel::UpdateWakeTimer(bool again) {
    wake_timer_.Update(alarms_, option_.WakeUp, option_.AlarmUse, again);
}

void TfrmVistrel::RunDueAlarms() {
    // Queued (during a time adjustment): the list is left as it is, and what is due fires at the
    // first tick after the window has closed, as a late tick's alarms do.
    if (!Windows().Runs(Entry::AlarmDue)) return;
    const AlarmProcSettings settings{option_.AlarmUse, option_.MsgType, option_.Action};
    bool fired_any = false;
    for (int i = 0; i < kMostAlarmsInOneSecond; ++i) {
        AlarmProcResult r = AlarmProc(alarms_, tick_.display.value, settings);
        if (r.sound && sound_) sound_->Play(*r.sound);
        if (r.announce) Announce(*r.announce);
        if (!r.error.empty()) ShowMessageBox(r.error, MsgType::Plain);
        if (!r.fired) break;
        fired_any = true;
    }
    // The dial marks show the alarms still to come.
    if (!fired_any) return;
    Redraw();
    UpdateWakeTimer();
}

void TfrmVistrel::Announce(const AlarmAnnouncement& a) {
    ShowAnnouncement(a);
    try {
        vistrel::RunCommand(a.item.action, option_);
    } catch (const std::exception& e) {
        ShowMessageBox(ActionFailedMessage(a.item.action, e.what()), MsgType::Warning);
    }
}

void TfrmVistrel::ShowAnnouncement(const AlarmAnnouncement& a) {
    const BoardPlace board{[this] {
                               RECT r{};
                               GetWindowRect(hwnd(), &r);
                               return r;
                           }(),
                           painter_.DateSide()};
    const AlarmShowContext context{alarm_host_, board, [this](AlarmEffect effect) {
                                       if (effect == AlarmEffect::Flash) FlashColours(100);
                                       if (effect == AlarmEffect::Shake) ShakeWindow(100);
                                   }};
    ShowAlarmWindow(a, AlarmWindowSettingsOf(option_), context);
}

void TfrmVistrel::SnoozeAlarm(const TAlarmItem& fired) {
    const TAlarmItem snoozed = SnoozedAlarm(fired, Now(), option_.SnoozeMinutes);
    alarms_.push_back(snoozed);
    SortAlarms(alarms_);
    // The editor's OK hands back its own copies; a snooze made meanwhile goes back in then.
    const bool editing = open_.IsOpen(OpenWindow::AlarmEditor);
    if (editing) snoozed_while_editing_.push_back(snoozed);
    Redraw();
    UpdateWakeTimer();
    // Kept at once: a restart, or a crash, must not lose the message put off.
    if (!editing) SaveAlarms();
    MCIStopCmd1();
}

void TfrmVistrel::KeepSnoozesMadeWhileEditing(AlarmList& edited) {
    for (const TAlarmItem& s : snoozed_while_editing_) {
        // Those that have fired meanwhile are gone from the clock's list and stay gone.
        if (std::find(alarms_.begin(), alarms_.end(), s) != alarms_.end()) edited.push_back(s);
    }
    snoozed_while_editing_.clear();
    SortAlarms(edited);
}

void TfrmVistrel::MCIStopCmd1() {
    if (sound_ && sound_->IsPlaying()) {
        sound_->Stop();
        ProcessMessages();
    }
}

} // namespace vistrel
