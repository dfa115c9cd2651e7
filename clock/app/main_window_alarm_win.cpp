// The alarms in the clock's tick: catching up after a jump of the clock, and announcing what
// is due: its sound, its window, the effect on the clock, and its action.
#include "clock/app/main_window_win.h"

#include <exception>
#include <variant>

#include "clock/alarm/missed_alarms_win.h"
#include "clock/alarm/scheduler.h"
#include "clock/alarm/snooze.h"
#include "clock/common/message_box.h"
#include "clock/common/run_command.h"
#include "clock/common/system_actions.h"

namespace vistrel {

namespace {
// More alarms than this in one second would be a list gone wrong; the scheduler guarantees an
// end, this only keeps a broken promise from freezing the clock.
constexpr int kMostAlarmsInOneSecond = 10000;
} // namespace

void TfrmVistrel::CatchUp() {
    MissedAlarms missed;
    if (!CatchUpAlarms(alarms_, tick_.Display().value, &missed)) return;
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
        AlarmProcResult r = AlarmProc(alarms_, tick_.Display().value, settings);
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
        CarryOut(ActionOf(a.item.action), option_);
    } catch (const std::exception& e) {
        ShowMessageBox(ActionFailedMessage(a.item.action, e.what()), MsgType::Warning);
    }
}

void TfrmVistrel::CarryOut(const AlarmAction& action, const TOptionItem& settings) {
    struct Carrier {
        TfrmVistrel& clock;
        const TOptionItem& settings;
        void operator()(const NoAction&) const {}
        // The same adjustment as the menu's, with the settings the caller holds.
        void operator()(const AdjustTimeAction&) const { clock.RunAdjustment(settings); }
        void operator()(const EndSessionAction& end) const {
            EndSessionNow(CurrentSystemActions(), end.flags);
        }
        void operator()(const StartProgramAction& start) const {
            StartCommandLine(start.command_line);
        }
    };
    std::visit(Carrier{*this, settings}, action);
}

void TfrmVistrel::ShowAnnouncement(const AlarmAnnouncement& a) {
    const BoardPlace board{[this] {
                               RECT r{};
                               GetWindowRect(hwnd(), &r);
                               return r;
                           }(),
                           painter_.DateSide()};
    const AlarmShowContext context{alarm_host_, board, [this](AlarmEffect effect) {
                                       if (effect == AlarmEffect::Flash) effects_.FlashColours(100);
                                       if (effect == AlarmEffect::Shake) effects_.ShakeWindow(100);
                                   }};
    ShowAlarmWindow(a, AlarmWindowSettingsOf(option_), context);
}

void TfrmVistrel::SnoozeAlarm(const TAlarmItem& fired) {
    const TAlarmItem snoozed = SnoozedAlarm(fired, Now(), option_.SnoozeMinutes);
    alarms_.push_back(snoozed);
    SortAlarms(alarms_);
    // The editor's OK hands back its own copies; a snooze made meanwhile goes back in then.
    const bool editing = open_.IsOpen(OpenWindow::AlarmEditor);
    if (editing) snoozes_.Add(snoozed);
    Redraw();
    UpdateWakeTimer();
    // Kept at once: a restart, or a crash, must not lose the message put off.
    if (!editing) SaveAlarms();
    MCIStopCmd1();
}

void TfrmVistrel::MCIStopCmd1() {
    // The holder's end lets messages run; a stop asked for meanwhile is refused.
    const auto stopping = stopping_sound_.Enter();
    if (stopping && sound_ && sound_->IsPlaying()) {
        sound_->Stop();
        ProcessMessages();
    }
}

} // namespace vistrel
