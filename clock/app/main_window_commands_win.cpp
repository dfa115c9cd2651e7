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

namespace {

// The commands whose file dialog or question box waits for the user.
bool AsksTheUser(Command command) {
    switch (command) {
    case kCmdSaveStyle:
    case kCmdLoadAlarm:
    case kCmdAddAlarm:
    case kCmdSaveAlarm:
    case kCmdStartupRegister:
    case kCmdStartupUnregister: return true;
    default: return false;
    }
}

// A window that takes no input for as long as this lives (nothing: nothing to do).
class InputOff {
public:
    explicit InputOff(HWND window) : window_(window && IsWindowEnabled(window) ? window : nullptr) {
        if (window_) EnableWindow(window_, FALSE);
    }
    ~InputOff() {
        if (window_ && IsWindow(window_)) EnableWindow(window_, TRUE);
    }
    InputOff(const InputOff&) = delete;
    InputOff& operator=(const InputOff&) = delete;

private:
    HWND window_;
};

} // namespace

OpenWindows TfrmVistrel::Windows() const {
    OpenWindows windows = open_;
    // The adjustment runs from the menu, a double-click, the options dialog and an alarm's action
    // alike; it keeps the one flag of whether it runs.
    if (AdjustTimeRunning()) windows.Opened(OpenWindow::TimeAdjustment);
    return windows;
}

CommandFacts TfrmVistrel::Facts() const {
    CommandFacts f;
    f.stay_on_top = window_.StayOnTop;
    f.locked = option_.Locked;
    f.set_time_available = set_time_available_;
    f.sound_playing = alarms_.SoundPlaying();
    f.startup_link_exists = StartupLinkExists();
    f.alarm_view_allowed = options_.AlarmViewAllowed();
    f.windows = Windows();
    return f;
}

void TfrmVistrel::ShowPopupMenu() {
    // The face's right-click and the tray icon's alike.
    if (!Windows().Runs(Entry::Menu)) return;
    const UniqueMenu menu = BuildPopupMenu(menu_texts_, Facts());
    TrayIcon::TrackMenu(hwnd(), menu.get());
}

void TfrmVistrel::ExecuteEnabled(Command command) {
    if (StateOf(command, Facts()).enabled) Execute(command);
}

void TfrmVistrel::Execute(Command command) {
    std::optional<OpenWindows::Scope> asking;
    if (AsksTheUser(command)) asking.emplace(open_, OpenWindow::CommandDialog);
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
    case kCmdStopSound: alarms_.StopSound(); break;
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
    if (Windows().Runs(Entry::DoubleClick))
        ExecuteEnabled(DoubleClickCommand(option_.DblClickAction));
}

void TfrmVistrel::EraseCmd1() {
    // Its pauses let messages run: the tick stands still, and a second erase is refused.
    const auto erasing = erasing_.Enter();
    if (!erasing) return;
    tick_.StopTick();
    try {
        ProcessMessages();
        // Dropping the outline and repainting the whole square wipes what a driver left behind;
        // the render below builds the outline afresh.
        if (!drawing_.Layered()) SetWindowRgn(hwnd(), nullptr, TRUE);
        InvalidateRect(hwnd(), nullptr, FALSE);
        UpdateWindow(hwnd());
        ProcessMessages();
    } catch (...) {
        Redraw();
        tick_.StartTick();
        throw;
    }
    Redraw();
    tick_.StartTick();
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
    options_.ShowLock(option_.Locked);
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
        void Refresh() { clock.options_.RefreshCommands(); }
    } following(*this);
    AdjustTime(
        AdjustSettingsFrom(option),
        [](TDateTime local) { CurrentSystemActions().SetLocalClock(local); }, hwnd(), app_.hwnd());
}

void TfrmVistrel::LoadStyleCmd() {
    // Every click in the picker loads its style into the live clock; Cancel puts the whole
    // record back itself. So the picker is modal to the whole program: the clock and the
    // options dialog take no input while it is open (the rules refuse what they would start),
    // and the tray icon's menu asks the same rules.
    const OpenWindows::Scope picker(open_, OpenWindow::StylePicker);
    const InputOff clock_off(Windows().Runs(Entry::Menu) ? nullptr : hwnd());
    const InputOff options_off(Windows().Runs(Entry::OptionsChange) ? nullptr : options_.Window());
    StyleHost host{option_, window_.Ver, hwnd(), [this] { Redraw(); }};
    if (const auto folder = RunLoadStyle(app_.hwnd(), host, option_.StyleDir)) {
        option_.StyleDir = *folder;
    }
    Redraw();
}

void TfrmVistrel::SaveStyleCmd() { SaveStyleAs(option_, hwnd()); }

void TfrmVistrel::LoadAlarmCmd(AlarmLoad how) {
    const AlarmLineOptions options{window_.Ver, CommandNames[0], SoundNames[0]};
    alarms_.Load(how, option_.Dir, options, hwnd());
}

void TfrmVistrel::SaveAlarmCmd() { SaveAlarmsAs(alarms_.List(), option_.Dir, hwnd()); }

void TfrmVistrel::AboutCmd() {
    if (!Windows().Runs(Entry::OpenAbout)) return;
    const OpenWindows::Scope about(open_, OpenWindow::About);
    RunAbout(app_.hwnd(), hwnd());
}

void TfrmVistrel::AlarmViewCmd1() {
    if (!Windows().Runs(Entry::OpenAlarmEditor)) return;
    // The clock goes on ticking and firing alarms from its own list while the editor works on
    // copies; OK takes the copies back with fresh next times (what fired meanwhile does not
    // fire again, what was due and never seen is caught up), saves them and the settings.
    const AlarmList given = alarms_.List();
    std::optional<EditedAlarms> edited;
    {
        const OpenWindows::Scope editor(open_, OpenWindow::AlarmEditor);
        // "実行" runs the action with the settings as they were when the editor opened.
        const auto carry_out = [this, settings = option_](const AlarmAction& action) {
            CarryOut(action, settings);
        };
        edited = RunAlarmView(app_.hwnd(), {hwnd(), carry_out, alarms_.Sound()}, given);
    }
    if (!edited) {
        // Cancel: the clock's list is as it was, with the snoozes made meanwhile, which wait
        // for this save.
        if (alarms_.DropEditorSnoozes()) SaveAlarms();
    }
    if (edited) {
        const MissedAlarms missed = alarms_.TakeBack(given, std::move(*edited), tick_.DealtWith());
        SaveAll();
        alarms_.ReportMissed(missed);
        alarms_.UpdateWakeTimer();
    }
    Redraw();
}

} // namespace vistrel
