// The notification-area icon. Identified by its number (not a GUID, which breaks when the
// program moves). The icon is wanted until hidden, and added whenever the shell can take it: a
// shell that is not there yet or too slow refuses the first add, so the owner retries on its
// tick, and a shell that starts (or restarts) later says so with "TaskbarCreated".
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>

namespace vistrel {

class TrayIcon {
public:
    // The shell's call; tests put a stand-in here.
    using Notify = std::function<BOOL(DWORD, NOTIFYICONDATAW*)>;
    // Mouse events arrive at `owner` as `callback_message` with the mouse message in lParam.
    TrayIcon(HWND owner, UINT id, UINT callback_message, Notify notify = &Shell_NotifyIconW);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Show(HICON icon, const std::string& tip);
    void Hide();
    // Hides the icon for good as the program ends, waiting at most wait_ms for the shell. The
    // shell may take its time (under X without a window manager, Wine's notification area waits
    // two seconds when its last icon goes); the removal goes on without the program.
    void HideAtExit(unsigned wait_ms);
    // Shown (or to be shown as soon as the shell takes it).
    bool visible() const { return wanted_; }
    // The shell holds the icon now.
    bool added() const { return added_; }

    // A wanted icon the shell has not taken yet is offered again (the owner's tick).
    void Retry();
    // The shell's notification area was (re)created: it holds none of ours, put the icon back.
    void OnTaskbarCreated();
    static UINT TaskbarCreatedMessage();

    // Opens a pop-up menu at the cursor the way the notification area needs it: the owner is
    // brought to the foreground first, or the menu would not close when the user clicks away.
    static void TrackMenu(HWND owner, HMENU menu);

private:
    bool Add();
    NOTIFYICONDATAW Data() const;

    HWND owner_;
    UINT id_;
    UINT callback_;
    Notify notify_;
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool wanted_ = false;
    bool added_ = false;
};

} // namespace vistrel
