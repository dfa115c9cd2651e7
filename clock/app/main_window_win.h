// The clock window: borderless and square, owned by the application window. Creation and
// teardown follow a fixed order, so that a failed alarm file or a missing folder leaves a
// clock that still shows itself and saves nothing broken.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "clock/alarm/alarm_action.h"
#include "clock/alarm/alarm_item.h"
#include "clock/alarm/scheduler.h"
#include "clock/app/app_window_win.h"
#include "clock/app/clock_alarms_win.h"
#include "clock/app/clock_anchor_win.h"
#include "clock/app/clock_drag_win.h"
#include "clock/app/clock_drawing_win.h"
#include "clock/app/clock_effects_win.h"
#include "clock/app/clock_lock_win.h"
#include "clock/app/clock_surface_win.h"
#include "clock/app/clock_tick_win.h"
#include "clock/app/command_line.h"
#include "clock/app/commands.h"
#include "clock/app/file_commands.h"
#include "clock/app/open_windows.h"
#include "clock/app/options_link_win.h"
#include "clock/app/popup_menu_win.h"
#include "clock/app/tick.h"
#include "clock/app/window_geometry.h"
#include "clock/common/monitors_win.h"
#include "clock/common/placement.h"
#include "clock/common/reentry_guard.h"
#include "clock/common/window_win.h"
#include "clock/options/options_host.h"
#include "clock/settings/option_item.h"
#include "clock/widgets/tray_icon_win.h"

namespace vistrel {

struct OptionsDialogSetup;

// The window answers its parts through ClockSurface, the alarms through AlarmStage and the options
// dialog through OptionsHost; none of them is its public face.
class TfrmVistrel : public Window, private OptionsHost, private ClockSurface, private AlarmStage {
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
    void SaveAll();
    // The settings files (not the alarm file), with the window's place and size.
    void SaveSettings();
    std::string AlarmFile() const;
    void ApplyStayOnTop();

    // --- what the parts ask of the window (ClockSurface, main_window_win.cpp)
    HWND Handle() const override { return hwnd(); }
    const TOptionItem& Options() const override { return option_; }
    Rect Bounds() const override;
    void PlaceWindow(const Rect& r) override;
    void KeepSize(int size) override { window_.Size = size; }
    bool Layered() const override { return drawing_.Layered(); }
    void SetLayeredAlpha(int alpha) override { drawing_.SetAlpha(alpha); }
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

    // --- the options dialog and the clock as its host (OptionsHost, main_window_options_win.cpp)
    void OptionsCmd();
    OptionsDialogSetup OptionsSetup() const;
    void WriteSettings() override;
    void OptionsClosed(int page) override;
    bool CommandEnabled(SharedCommand command) const override;
    void EnableCommand(SharedCommand command, bool enabled) override;
    void RunCommand(SharedCommand command) override;
    void PreviewAlarm(const std::string& message) override;

    // Takes the options dialog's working copy as the live settings and refreshes the clock.
    void ApplyOptions(const TOptionItem& working) override;

    // --- what the alarms ask of the window (AlarmStage, main_window_alarm_win.cpp)
    void Announce(const AlarmAnnouncement& announcement) override;
    void SaveAlarms() override;
    // An alarm's action, with the settings copy that a time adjustment runs with. Throws Error
    // when a program cannot be started.
    void CarryOut(const AlarmAction& action, const TOptionItem& settings);
    // Opens an announcement's window and runs its effect (no action, no sound).
    void ShowAnnouncement(const AlarmAnnouncement& announcement);

    AppWindow& app_;
    StartupFlags flags_;
    TOptionItem option_;
    WindowSettings window_;
    MenuTexts menu_texts_;
    std::string user_name_;
    UnreadFiles unread_; // what could not be read at start-up is never written over
    std::unique_ptr<TrayIcon> tray_;

    bool minimized_ = false;
    bool created_ = false;            // the creation sequence has run to its end
    bool close_after_create_ = false; // a close came while the creation's boxes were up
    bool closing_ = false;            // saved, and on the way out
    bool set_time_available_ = false;
    OpenWindows open_; // what the menu, the double-click, the tray and the alarms may do
    // The places of the window itself that let messages run, each refusing its own re-entry.
    ReentryGuard erasing_;
    ReentryGuard minimizing_;

    // the parts, one per concern
    ClockTick tick_{*this};
    ClockDrawing drawing_{*this};
    ClockAlarms alarms_{*this, *this};
    ClockLock lock_{*this};
    ClockDrag drag_{*this};
    ClockEffects effects_{*this};
    ClockAnchor anchor_{*this};
    OptionsLink options_;
};

} // namespace vistrel
