// Which of the program's windows are open, and what each way into the program may do while they
// are. Every window works alone; used together, a menu command, a double-click or an alarm can
// arrive while another window holds a copy of what it would change. The rules for all of them
// live here, so that a new window or a new way in is a new case of OutcomeWith, not a new fault.
#pragma once

#include <array>
#include <cstddef>

namespace vistrel {

enum class OpenWindow {
    Options,        // the options dialog (modeless; every change is live)
    AlarmEditor,    // the alarm list editor (modal; the clock keeps ticking and firing)
    StylePicker,    // the style picker (modal to the whole program: the clock is its preview)
    About,          // the About window (modal)
    CommandDialog,  // a command's file dialog, folder browser or question box
    TimeAdjustment, // the time adjustment while it runs (its log shows it)
};
inline constexpr int kOpenWindowKinds = 6;

// The ways in.
enum class Entry {
    Menu,            // the pop-up menu opens (a right-click on the face or the tray icon)
    DoubleClick,     // the double-click action (face or tray icon)
    OpenOptions,     // the commands that open a window of ours
    OpenAlarmEditor, //   (from the menu, a double-click, or another dialog's button)
    OpenStylePicker,
    OpenAbout,
    AlarmFileChange, // "開く..." and "追加読み込み" of the alarm file: the clock's list changes
    SetTime,         // the time adjustment from the menu, a double-click or the options dialog
    OtherCommand,  // every other command (erase, lock, moves, minimise, save as, help, ...)
    OptionsChange, // a change in the options dialog, applied to the clock at once
    AlarmDue,      // the scheduler fires an alarm (window, effect, action)
    SecondStart,   // a second copy asks the clock to come forward
    EndSession,    // exit, the task-bar button's close, the system ending
    DisplayChange, // the screens changed
    Snooze,        // "あとで" on an alarm notice: a timer joins the clock's list
};
inline constexpr int kEntryKinds = 15;

enum class Outcome {
    Runs,
    Queued,  // it waits until the window closes, and then runs
    Refused, // it does not happen (a menu entry is greyed, a click does nothing)
};

// The outcome of a way in while this one window is open.
Outcome OutcomeWith(OpenWindow window, Entry entry);

class OpenWindows {
public:
    void Opened(OpenWindow window) { ++count_[Index(window)]; }
    void Closed(OpenWindow window) {
        if (count_[Index(window)] > 0) --count_[Index(window)];
    }
    bool IsOpen(OpenWindow window) const { return count_[Index(window)] > 0; }

    // The strictest outcome of the windows open: refused before queued before runs.
    Outcome Allows(Entry entry) const;
    bool Runs(Entry entry) const { return Allows(entry) == Outcome::Runs; }

    // Open for as long as it lives, however the window's run ends.
    class Scope {
    public:
        Scope(OpenWindows& windows, OpenWindow window) : windows_(windows), window_(window) {
            windows_.Opened(window_);
        }
        ~Scope() { windows_.Closed(window_); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        OpenWindows& windows_;
        OpenWindow window_;
    };

private:
    static std::size_t Index(OpenWindow window) { return static_cast<std::size_t>(window); }
    std::array<int, kOpenWindowKinds> count_{};
};

} // namespace vistrel
