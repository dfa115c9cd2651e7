// The clock window: borderless and square, owned by the application window. Creation and
// teardown follow a fixed order, so that a failed alarm file or a missing folder leaves a
// clock that still shows itself and saves nothing broken.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "clock/alarm/alarm_action.h"
#include "clock/alarm/alarm_item.h"
#include "clock/alarm/alarm_sound_win.h"
#include "clock/alarm/scheduler.h"
#include "clock/alarm/wake_timer.h"
#include "clock/alarm/show_alarm_window_win.h"
#include "clock/app/app_window_win.h"
#include "clock/app/clock_anchor_win.h"
#include "clock/app/clock_drag_win.h"
#include "clock/app/clock_effects_win.h"
#include "clock/app/clock_lock_win.h"
#include "clock/app/clock_surface_win.h"
#include "clock/app/clock_tick_win.h"
#include "clock/app/command_line.h"
#include "clock/app/editor_snoozes.h"
#include "clock/app/commands.h"
#include "clock/app/file_commands.h"
#include "clock/app/open_windows.h"
#include "clock/app/popup_menu_win.h"
#include "clock/app/tick.h"
#include "clock/app/window_geometry.h"
#include "clock/common/monitors_win.h"
#include "clock/common/placement.h"
#include "clock/common/reentry_guard.h"
#include "clock/common/window_win.h"
#include "clock/face/face_painter_win.h"
#include "clock/options/options_host.h"
#include "clock/settings/option_item.h"
#include "clock/widgets/tray_icon_win.h"

namespace vistrel {

class TfrmOption;
struct OptionsDialogSetup;

class TfrmVistrel : public Window, public OptionsHost, private ClockSurface {
public:
    static constexpr UINT kTrayMessage = WM_APP + 1;

    TfrmVistrel(AppWindow& app, StartupFlags flags);
    ~TfrmVistrel() override;
    // Runs the creation sequence and shows the window.
    void Create();
    // The teardown, once the main loop has ended: nothing of ours is left on the stack then,
    // so no loop can still be using what it frees.
    void Destroy();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // --- creation and teardown (main_window_win.cpp)
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormDestroy();
    // Any close request: saves at once, then lets every running loop end (see the .cpp).
    void RequestClose();
    // Ends the screen saver manager where the clock started it.
    void EndNappo();
    void LoadAlarmsAtStart();
    void ReadAllSettings();
    void EnsureDataFolders();
    // Shows a start-up read failure once and keeps the file from being written this run.
    void NoteUnread(const std::string& path, const std::string& failure);
    void SaveAlarms();
    void SaveAll();
    // The settings files (not the alarm file), with the window's place and size.
    void SaveSettings();
    std::string AlarmFile() const;
    void ApplyTranslucency();
    void ApplyStayOnTop();

    // --- what the parts ask of the window (ClockSurface, main_window_win.cpp)
    HWND Handle() const override { return hwnd(); }
    const TOptionItem& Options() const override { return option_; }
    Rect Bounds() const override;
    void PlaceWindow(const Rect& r) override;
    void KeepSize(int size) override { window_.Size = size; }
    bool Layered() const override { return set_layered_ != nullptr; }
    // The window's alpha (0-255, clamped) with its colour key; alpha applies only when
    // translucency is on.
    void SetLayeredAlpha(int alpha) override;
    void RenewTopmost() override { app_.SetTopmost(window_.StayOnTop); }

    // --- the tick's work, the drawing and the icon (main_window_tick_win.cpp)
    void Timer1Timer();
    void UpdateTrayIcon();
    void UpdateAnchor() override;
    // Moved onto a monitor of another DPI: the same 96-DPI size there, around the same middle.
    void OnDpiChanged(int dpi);
    void OnTrayMessage(LPARAM lp);
    void OnPaint();
    void Redraw() override;

    // --- the mouse, the menu and the commands (main_window_mouse_win.cpp)
    LRESULT OnNcHitTest(LPARAM lp);
    LRESULT OnNcLButtonDown(WPARAM wp, LPARAM lp);
    void OnLButtonDown(LPARAM lp);
    LRESULT OnMouseMove(WPARAM wp, LPARAM lp);
    LRESULT OnLButtonUp(WPARAM wp, LPARAM lp);
    bool OnSetCursor(LPARAM lp);

    // --- the menu and the commands (main_window_commands_win.cpp)
    // The program's open windows, the running time adjustment included.
    OpenWindows Windows() const;
    CommandFacts Facts() const;
    void ShowPopupMenu();
    // Runs a command when it is enabled (a double-click reaches disabled commands too).
    void Execute(Command command);
    void ExecuteEnabled(Command command);
    void DoubleClickAction();
    void EraseCmd1();
    void MinimizeCmd1();
    void SetTimeCmd1();
    void RunAdjustment(const TOptionItem& option);
    void LockCmd1();
    void MoveToCorner(Command command);
    void LoadStyleCmd();
    void SaveStyleCmd();
    void LoadAlarmCmd(AlarmLoad how);
    void SaveAlarmCmd();
    void AboutCmd();
    void AlarmViewCmd1();
    // "あとで" on a notice: the fired record comes back after the snooze length.
    void SnoozeAlarm(const TAlarmItem& fired);

    // --- the options dialog and the clock as its host (main_window_options_win.cpp)
    void OptionsCmd();
    OptionsDialogSetup OptionsSetup() const;
    void CloseOptions();

public:
    void WriteSettings() override;
    void OptionsClosed(int page) override;
    bool CommandEnabled(SharedCommand command) const override;
    void EnableCommand(SharedCommand command, bool enabled) override;
    void RunCommand(SharedCommand command) override;
    void PreviewAlarm(const std::string& message) override;

    // Takes the options dialog's working copy as the live settings and refreshes the clock.
    void ApplyOptions(const TOptionItem& working) override;

private:
    // --- alarms in the tick (main_window_alarm_win.cpp)
    void CatchUp();
    // The notice of alarms whose time passed unseen, when the settings ask for it.
    void ReportMissedAlarms(const MissedAlarms& missed);
    // Keeps the wake timer aimed at the next alarm (or cancelled); `again` re-aims it also when
    // the alarm is the same (after a wake or a change of the system time).
    void UpdateWakeTimer(bool again = false);
    void RunDueAlarms();
    void Announce(const AlarmAnnouncement& announcement);
    // An alarm's action, with the settings copy that a time adjustment runs with. Throws Error
    // when a program cannot be started.
    void CarryOut(const AlarmAction& action, const TOptionItem& settings);
    // Opens an announcement's window and runs its effect (no action, no sound).
    void ShowAnnouncement(const AlarmAnnouncement& announcement);
    void MCIStopCmd1();

    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    AppWindow& app_;
    StartupFlags flags_;
    TOptionItem option_;
    WindowSettings window_;
    AlarmList alarms_;
    MenuTexts menu_texts_;
    std::string user_name_;
    UnreadFiles unread_; // what could not be read at start-up is never written over
    std::unique_ptr<TrayIcon> tray_;
    FacePainter painter_;
    std::shared_ptr<AlarmHost> alarm_host_;
    std::unique_ptr<AlarmSound> sound_;
    ScreenTraits screen_;
    std::vector<AlarmMarkSource> marks_; // reused between renders
    SetLayeredFn set_layered_ = nullptr;

    bool minimized_ = false;
    bool created_ = false;            // the creation sequence has run to its end
    bool close_after_create_ = false; // a close came while the creation's boxes were up
    bool closing_ = false;            // saved, and on the way out
    bool set_time_available_ = false;
    OpenWindows open_; // what the menu, the double-click, the tray and the alarms may do
    MissedAlarms missed_at_start_;
    WakeTimerKeeper wake_timer_;
    // The options dialog while it is open (it owns itself), and the page it opens with.
    TfrmOption* options_ = nullptr;
    int options_page_ = 0;
    bool alarm_view_enabled_ = true; // the dialog's alarm switch enables the editor's command
    // The places of the clock that let messages run, each refusing its own re-entry.
    ReentryGuard erasing_;
    ReentryGuard minimizing_;
    ReentryGuard stopping_sound_;

    // the parts, one per concern
    ClockTick tick_{*this};
    ClockLock lock_{*this};
    ClockDrag drag_{*this};
    ClockEffects effects_{*this};
    ClockAnchor anchor_{*this};
    EditorSnoozes snoozes_; // put into the editor's list when it is taken back
};

} // namespace vistrel
