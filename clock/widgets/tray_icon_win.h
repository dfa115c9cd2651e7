// The notification-area icon. Identified by its number (not a GUID, which breaks when the
// program moves); added again when the shell restarts ("TaskbarCreated").
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace vistrel {

class TrayIcon {
public:
    // Mouse events arrive at `owner` as `callback_message` with the mouse message in lParam.
    TrayIcon(HWND owner, UINT id, UINT callback_message);
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void Show(HICON icon, const std::string& tip);
    void Hide();
    // Hides the icon for good as the program ends, waiting at most wait_ms for the shell. The
    // shell may take its time (under X without a window manager, Wine's notification area waits
    // two seconds when its last icon goes); the removal goes on without the program.
    void HideAtExit(unsigned wait_ms);
    bool visible() const { return visible_; }

    // The shell's notification area was (re)created: put the icon back.
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
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool visible_ = false;
};

} // namespace vistrel
