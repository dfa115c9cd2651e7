// The pop-up menu and the commands of the clock window.
#include "clock/app/main_window_win.h"

#include "clock/alarm/alarm_view_win.h"

#include "clock/app/startup_link_win.h"
#include "clock/common/help.h"
#include "clock/common/message_box.h"
#include "clock/common/shell_services.h"
#include "clock/common/system_actions.h"
#include "clock/common/vocabulary.h"
#include "clock/face/load_style_win.h"
#include "clock/options/about_win.h"
#include "clock/options/option_dialog_win.h"
#include "clock/timesync/adjust_settings.h"
#include "clock/timesync/adjust_time_win.h"

namespace vistrel {

CommandFacts TfrmVistrel::Facts() const {
    CommandFacts f;
    f.stay_on_top = window_.StayOnTop;
    f.locked = option_.Locked;
    f.set_time_available = set_time_available_;
    f.adjusting = AdjustTimeRunning();
    f.sound_playing = sound_ && sound_->IsPlaying();
    f.startup_link_exists = StartupLinkExists();
    f.about_open = about_open_;
    f.alarm_view_open = alarm_view_open_;
    f.alarm_view_allowed = alarm_view_enabled_;
    f.options_open = options_ != nullptr;
    return f;
}

void TfrmVistrel::ShowPopupMenu() {
    const UniqueMenu menu = BuildPopupMenu(menu_texts_, Facts());
    TrayIcon::TrackMenu(hwnd(), menu.get());
}

void TfrmVistrel::ExecuteEnabled(Command command) {
    if (StateOf(command, Facts()).enabled) Execute(command);
}

void TfrmVistrel::Execute(Command command) {
    switch (command) {
    case kCmdErase: EraseCmd1(); break;
    case kCmdTop:
        window_.StayOnTop = !window_.StayOnTop;
        ApplyStayOnTop();
        break;
    case kCmdLock: LockCmd1(); break;
    case kCmdLoadStyle: LoadStyleCmd(); break;
    case kCmdSaveStyle: SaveStyleCmd(); break;
    case kCmdOpenStyleDir: CurrentShellServices().OpenFolder(option_.StyleDir); break;
    case kCmdLoadAlarm: LoadAlarmCmd(AlarmLoad::Replace); break;
    case kCmdAddAlarm: LoadAlarmCmd(AlarmLoad::Add); break;
    case kCmdSaveAlarm: SaveAlarmCmd(); break;
    case kCmdMoveTopRight:
    case kCmdMoveBottomRight:
    case kCmdMoveTopLeft:
    case kCmdMoveBottomLeft:
    case kCmdMoveCenter: MoveToCorner(command); break;
    case kCmdMinimize: MinimizeCmd1(); break;
    case kCmdSetTime: SetTimeCmd1(); break;
    case kCmdStopSound: MCIStopCmd1(); break;
    case kCmdStartScreenSaver: CurrentSystemActions().StartScreenSaver(hwnd()); break;
    case kCmdStartupRegister: StartUpRegCmd(); break;
    case kCmdStartupUnregister: StartUpRelCmd(); break;
    case kCmdTimeDateSettings: CurrentShellServices().OpenDateTimeSettings(); break;
    case kCmdHelp: ShowHelp(kHelpContents); break;
    case kCmdAbout: AboutCmd(); break;
    case kCmdExit: PostMessageW(hwnd(), WM_CLOSE, 0, 0); break;
    case kCmdOptions: OptionsCmd(); break;
    case kCmdAlarmView: AlarmViewCmd1(); break;
    case kCmdNone: break;
    }
}

void TfrmVistrel::DoubleClickAction() {
    ExecuteEnabled(DoubleClickCommand(option_.DblClickAction));
}

void TfrmVistrel::EraseCmd1() {
    StopTick();
    try {
        ProcessMessages();
        // Dropping the outline and repainting the whole square wipes what a driver left behind;
        // the render below builds the outline afresh.
        if (!set_layered_) SetWindowRgn(hwnd(), nullptr, TRUE);
        InvalidateRect(hwnd(), nullptr, FALSE);
        UpdateWindow(hwnd());
        ProcessMessages();
    } catch (...) {
        Redraw();
        StartTick();
        throw;
    }
    Redraw();
    StartTick();
}

void TfrmVistrel::MoveToCorner(Command command) {
    const Rect b = Bounds();
    const Rect wa = MonitorOfRect(b).work;
    const MovePlace p = PlaceForMove(command, wa.left, wa.top, wa.right, wa.bottom, b.width());
    PlaceWindow(Rect::Sized(p.left, p.top, b.width(), b.height()));
    UpdateAnchor();
}

void TfrmVistrel::LockCmd1() {
    option_.Locked = !option_.Locked;
    window_.Lock = option_.Locked;
    UpdateTrayIcon();
    if (options_) options_->SetLockCheck(option_.Locked);
}

void TfrmVistrel::MinimizeCmd1() { app_.Minimize(); }

void TfrmVistrel::SetTimeCmd1() {
    if (!set_time_available_ || AdjustTimeRunning()) return;
    RunAdjustment(option_);
}

void TfrmVistrel::RunAdjustment(const TOptionItem& option) {
    // The adjustment lets window messages run while it waits; the menu entry stays disabled
    // meanwhile because a second run is refused while one is going on.
    // The options dialog's button follows the command, which is disabled while this runs.
    struct FollowingDialog {
        TfrmVistrel& clock;
        explicit FollowingDialog(TfrmVistrel& c) : clock(c) { Refresh(); }
        ~FollowingDialog() { Refresh(); }
        void Refresh() {
            if (clock.options_) clock.options_->RefreshCommands();
        }
    } following(*this);
    AdjustTime(
        AdjustSettingsFrom(option),
        [](TDateTime local) { CurrentSystemActions().SetLocalClock(local); }, hwnd(), app_.hwnd());
}

void TfrmVistrel::LoadStyleCmd() {
    // Every click in the picker loads its style into the live clock; Cancel puts the whole
    // record back itself.
    StyleHost host{option_, window_.Ver, hwnd(), [this] { Redraw(); }};
    if (const auto folder = RunLoadStyle(app_.hwnd(), host, option_.StyleDir)) {
        option_.StyleDir = *folder;
    }
    Redraw();
}

void TfrmVistrel::SaveStyleCmd() { SaveStyleAs(option_, hwnd()); }

void TfrmVistrel::LoadAlarmCmd(AlarmLoad how) {
    const AlarmLineOptions options{window_.Ver, CommandNames[0], SoundNames[0]};
    if (LoadAlarms(how, alarms_, option_.Dir, options, hwnd())) {
        Redraw();
        UpdateWakeTimer();
    }
}

void TfrmVistrel::SaveAlarmCmd() { SaveAlarmsAs(alarms_, option_.Dir, hwnd()); }

void TfrmVistrel::AboutCmd() {
    if (about_open_) return;
    about_open_ = true;
    try {
        RunAbout(app_.hwnd(), hwnd());
    } catch (...) {
        about_open_ = false;
        throw;
    }
    about_open_ = false;
}

void TfrmVistrel::AlarmViewCmd1() {
    if (alarm_view_open_) return;
    alarm_view_open_ = true;
    // The clock goes on ticking and firing alarms from its own list while the editor works on
    // copies; OK replaces the list, saves it and the settings.
    std::optional<AlarmList> edited;
    try {
        edited = RunAlarmView(app_.hwnd(), {hwnd(), option_, sound_.get()}, alarms_);
    } catch (...) {
        alarm_view_open_ = false;
        throw;
    }
    alarm_view_open_ = false;
    if (edited) {
        alarms_ = std::move(*edited);
        SaveAll();
        UpdateWakeTimer();
    }
    Redraw();
}

} // namespace vistrel
