#include "clock/app/main_window_win.h"

#include <exception>
#include <utility>

#include "clock/alarm/alarm_file.h"
#include "clock/alarm/alarm_line.h"
#include "clock/app/cursors_win.h"
#include "clock/app/nappo_launch.h"
#include "clock/app/single_instance_win.h"
#include "clock/common/error.h"
#include "clock/common/file_io.h"
#include "clock/common/fpu.h"
#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"
#include "clock/common/program_icon_win.h"
#include "clock/common/run_command.h"
#include "clock/common/system_info.h"
#include "clock/common/texts.h"
#include "clock/common/vocabulary.h"
#include "clock/settings/style_file.h"
#include "clock/settings/settings_file.h"

namespace vistrel {

namespace {
// How long the close waits for the shell to take the tray icon away; it goes on without us.
constexpr unsigned kTrayRemovalWaitMs = 200;
// The files are saved, the tray icon is gone and the screen saver manager is told when the close
// begins; whatever still runs this long after (a modal loop of the system's that does not end on
// the quit, a system call that does not come back) cannot keep the program alive.
constexpr unsigned kCloseDeadlineMs = 300;
} // namespace

TfrmVistrel::TfrmVistrel(AppWindow& app, StartupFlags flags) : app_(app), flags_(flags) {}

TfrmVistrel::~TfrmVistrel() = default;

void TfrmVistrel::Create() {
    RegisterClassOnce(kMainWindowClass, CS_DBLCLKS);
    // The size before the settings give the real one.
    CreateOf(kMainWindowClass, 0, L"Vistrel", WS_POPUP, 0, 0, 162, 149, app_.hwnd());
    // A window manager lists the clock too once it has been active (its menu makes it so).
    GiveProgramIcon(hwnd());
    try {
        FormCreate();
    } catch (const std::exception& e) {
        // The rest of the creation is skipped: the window shows but does not tick.
        ShowErrorBox(e.what());
    }
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    FormShow();
    created_ = true;
    if (close_after_create_) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void TfrmVistrel::Destroy() {
    if (hwnd()) DestroyWindow(hwnd());
}

void TfrmVistrel::FormCreate() {
    minimized_ = false;
    WeekdayAfterDate = true;
    {
        std::vector<TextReplacement> texts = menu_texts_.Replacements();
        InitVocabulary(texts);
    }
    if (flags_.wait_seconds > 0) Sleep(static_cast<DWORD>(flags_.wait_seconds) * 1000);
    SetResetFpu(flags_.reset_fpu);
    ResetFpu();

    // The tick stands still while one of the painter's error boxes is up.
    drawing_.Start({[this] { tick_.StopTick(); }, [this] { tick_.StartTick(); }});
    alarms_.Start(
        // The notices lift the application window while they show (Wine lifts the clock with
        // it); the last one gone, both follow the setting again.
        AlarmHost{app_.hwnd(),
                  [this](bool topmost) { topmost ? app_.SetTopmost(true) : ApplyStayOnTop(); },
                  [this] { return window_.StayOnTop; },
                  [this](const TAlarmItem& fired) {
                      alarms_.Snooze(fired, open_.IsOpen(OpenWindow::AlarmEditor));
                  }});
    user_name_ = CurrentUserName();
    // A save killed half-way left its temporary file; the file it was replacing is whole.
    RemoveLeftoverSaves(ProgramFolder(), user_name_);
    {
        const std::string shared = SharedSettingsPath(ProgramFolder());
        NoteUnread(shared, ReadSharedSettings(shared, option_, window_));
    }
    LoadAlarmsAtStart();

    app_.on_activate = [] {}; // the text formats of this program are fixed; nothing to renew
    app_.on_deactivate = [this] { app_.SetTopmost(window_.StayOnTop); };
    app_.on_minimize = [this] {
        // The minimise's own messages run here; a second minimise meanwhile is refused.
        const auto minimizing = minimizing_.Enter();
        if (!minimizing) return;
        minimized_ = true;
        app_.SetTaskbarButton(true);
        ProcessMessages();
    };
    app_.on_restore = [this] {
        minimized_ = false;
        app_.SetTaskbarButton(false);
        app_.SetTitle("Vistrel");
        Redraw();
    };
    app_.on_close = [this] { PostMessageW(hwnd(), WM_CLOSE, 0, 0); };

    SetClockWindow(hwnd());
    ReadAllSettings();

    if (const auto nappo = NappoCommandLine(NappoMoment::StartUp, IsWindows95(), flags_.start_nappo,
                                            ProgramFolder())) {
        try {
            StartCommandLine(*nappo);
        } catch (const std::exception& e) {
            ShowMessageBox(TrFill(Tx::MsgNappoFailed, {e.what()}), MsgType::Warning);
            flags_.start_nappo = false;
        }
    }

    ReadStyle(SharedSettingsPath(ProgramFolder()), option_, window_.Ver);
    window_.Ver = RaisedSettingsVersion(window_.Ver);

    tray_ = std::make_unique<TrayIcon>(hwnd(), 1, kTrayMessage);
    UpdateTrayIcon();
    tick_.ForgetLastMinute();
    UpdateAnchor();
    EnsureDataFolders();
    {
        UniqueModule ws2(LoadLibraryW(L"ws2_32.dll"));
        set_time_available_ = static_cast<bool>(ws2);
    }
    tick_.StartTick();
}

void TfrmVistrel::LoadAlarmsAtStart() {
    const std::string path = AlarmFile();
    const AlarmLineOptions options{window_.Ver, CommandNames[0], SoundNames[0]};
    const AlarmStartup startup = alarms_.LoadAtStart(path, options);
    for (const AlarmStartup::Notice& notice : startup.notices) {
        ShowMessageBox(notice.text, MsgType::Warning);
    }
    if (startup.keep_file) {
        unread_.Add(path);
        return;
    }
    SaveAlarms();
}

void TfrmVistrel::NoteUnread(const std::string& path, const std::string& failure) {
    if (failure.empty() || unread_.Contains(path)) return;
    unread_.Add(path);
    ShowMessageBox(failure, MsgType::Warning);
}

void TfrmVistrel::ReadAllSettings() {
    const std::vector<Monitor> monitors = CurrentMonitors();
    const SettingsEnvironment env{ProgramFolder(), GetSystemMetrics(SM_CXSCREEN),
                                  drawing_.Layered(), monitors, monitors.front().dpi};
    const std::string path =
        SettingsFileName(ProgramFolder(), user_name_, option_.MultiUser, window_.Ver);
    NoteUnread(path, ReadSettings(path, env, option_, window_));
    const Rect stored = Rect::Sized(window_.PointX, window_.PointY, window_.Size, window_.Size);
    const int pixels = Scale(window_.Size, monitors[MonitorIndexFor(monitors, stored)].dpi);
    PlaceWindow(Rect::Sized(window_.PointX, window_.PointY, pixels, pixels));
    drawing_.ApplyTranslucency();
    if (window_.StayOnTop) ApplyStayOnTop();
    option_.Locked = false;
    if (window_.Lock) LockCmd1();
}

void TfrmVistrel::EnsureDataFolders() {
    // A folder that cannot be made (a read-only program folder, a file of that name) is told
    // once; the clock runs on without it.
    for (const char* name : {"style", "alarm"}) {
        const std::string path = ProgramFolder() + name;
        if (MakeDirectory(path)) continue;
        ShowMessageBox(TrFill(Tx::MsgFolderNotMade, {path}), MsgType::Warning);
    }
}

void TfrmVistrel::FormShow() {
    app_.SetTaskbarButton(false);
    Timer1Timer();
    alarms_.ReportMissedAtStart();
    alarms_.UpdateWakeTimer(true);
}

std::string TfrmVistrel::AlarmFile() const {
    return AlarmFilePath(ProgramFolder(), user_name_, option_.MultiUser, window_.Ver);
}

Rect TfrmVistrel::Bounds() const {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void TfrmVistrel::PlaceWindow(const Rect& r) {
    SetWindowPos(hwnd(), nullptr, r.left, r.top, r.width(), r.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfrmVistrel::ApplyStayOnTop() {
    // The clock window's own place follows the setting too: an owner's change need not carry to
    // the windows it owns (under Wine it does not), and the clock would stay above everything.
    // Only here, at the start and when the setting changes: asserted again at each loss of
    // activation, it would come above a dialog of the program that is just being opened.
    // The owner first: a window owned by a topmost one stays topmost (under Wine). Turned off,
    // the owner, which shows nothing, also goes to the bottom: Wine keeps an owned window just
    // above its owner, and with the owner right below the clock the clock would stay topmost.
    app_.SetTopmost(window_.StayOnTop);
    if (!window_.StayOnTop) {
        SetWindowPos(app_.hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetWindowPos(hwnd(), window_.StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfrmVistrel::SaveAll() {
    // The alarm file first, then the settings: a failure of one must not cost the other.
    SaveAlarms();
    SaveSettings();
}

void TfrmVistrel::SaveSettings() {
    const Rect r = Bounds();
    window_.PointX = r.left;
    window_.PointY = r.top;
    window_.Size = Unscale(r.width(), DpiOf(hwnd()));
    std::optional<WindowPoint> home;
    if (const auto& home_rect = lock_.HomeRect())
        home = WindowPoint{home_rect->left, home_rect->top};
    try {
        vistrel::WriteSettings(ProgramFolder(), user_name_, option_, window_, home, unread_);
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    }
}

void TfrmVistrel::FormClose() { SaveAll(); }

void TfrmVistrel::RequestClose() {
    // A close while a start-up box is up waits for the creation's end: the settings are not all
    // read yet, and saving now would put defaults over the user's.
    if (!created_) {
        close_after_create_ = true;
        return;
    }
    if (closing_) return; // a second request while the save's own box is up
    closing_ = true;
    tick_.StopTick(); // no alarm fires after the save, so the files hold the list as it ends
    FormClose();
    ShowWindow(hwnd(), SW_HIDE);
    if (tray_) tray_->HideAtExit(kTrayRemovalWaitMs);
    tray_.reset();
    EndNappo();
    // The request may have come through a loop that runs inside one of our own handlers (a
    // box, the alarm list editor, an effect, the sound): the teardown must not free what that
    // handler still uses. So the quit goes to every loop (each ends on it and hands it on),
    // and the window is destroyed once the main loop has ended (Destroy).
    RequestQuit(0);
    EndProcessAfter(kCloseDeadlineMs);
}

void TfrmVistrel::EndNappo() {
    const auto nappo =
        NappoCommandLine(NappoMoment::Exit, IsWindows95(), flags_.start_nappo, ProgramFolder());
    if (!nappo) return;
    try {
        StartCommandLine(*nappo);
    } catch (const std::exception&) {
        // Ending the manager is best effort: the clock is going away.
    }
}

void TfrmVistrel::FormDestroy() {
    // At the program's end the options dialog goes with the process: destroying a window with a
    // caption one by one can wait on the window manager.
    if (!closing_) options_.Close();
    tick_.StopTick();
    alarms_.End(); // open notices hold its host weakly: they touch the clock no more
    lock_.StopLockPoll();
    if (tray_) tray_->HideAtExit(kTrayRemovalWaitMs);
    tray_.reset();
    SetWindowRgn(hwnd(), nullptr, FALSE);
}

LRESULT TfrmVistrel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == TrayIcon::TaskbarCreatedMessage() && tray_) {
        tray_->OnTaskbarCreated();
        return 0;
    }
    switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER:
        if (wp == ClockTick::kTimer) Timer1Timer();
        if (wp == ClockLock::kPollTimer) lock_.LockPoll();
        return 0;
    case kTrayMessage: OnTrayMessage(lp); return 0;
    case WM_MOUSEACTIVATE:
        // A click or a drag on the face leaves the user's active window active. (Under Wine,
        // activating the clock would also re-map its X window and end a drag after one step.)
        return MA_NOACTIVATE;
    case WM_NCHITTEST: return OnNcHitTest(lp);
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown(wp, lp);
    case WM_LBUTTONDOWN: OnLButtonDown(lp); return 0;
    case WM_MOUSEMOVE: return OnMouseMove(wp, lp);
    case WM_LBUTTONUP: return OnLButtonUp(wp, lp);
    case WM_LBUTTONDBLCLK: DoubleClickAction(); return 0;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONDOWN: ShowPopupMenu(); return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(lp)) return TRUE;
        return Default(msg, wp, lp);
    case WM_COMMAND: ExecuteEnabled(static_cast<Command>(LOWORD(wp))); return 0;
    case WM_DISPLAYCHANGE: anchor_.OnDisplayChange(LOWORD(lp), HIWORD(lp)); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wp)); return 0;
    case WM_TIMECHANGE:
        // The system time was set: aim the tick at the new second boundary at once, and the
        // wake timer (kept in universal time) at the alarm's new moment.
        if (tick_.Ticking()) tick_.ScheduleNextTick();
        alarms_.UpdateWakeTimer(true);
        return 0;
    case WM_POWERBROADCAST:
        if (wp == PBT_APMRESUMEAUTOMATIC && tick_.Ticking()) Timer1Timer();
        if (wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND)
            alarms_.UpdateWakeTimer(true);
        return TRUE;
    case WM_CLOSE: RequestClose(); return 0;
    case WM_QUERYENDSESSION: SaveAll(); return Default(msg, wp, lp);
    case WM_DESTROY:
        SetClockWindow(nullptr);
        FormDestroy();
        app_.EndWithProgram();
        RequestQuit(0);
        return 0;
    default: return Default(msg, wp, lp);
    }
}

} // namespace vistrel
