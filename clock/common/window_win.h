// The one base class of the program's windows. The object is attached to its window at
// WM_NCCREATE (so no early message is lost) and detached at WM_NCDESTROY. The static window
// procedure is noexcept: an exception never crosses into the system; it reaches the
// application's default error box instead.
#pragma once

#include <windows.h>

#include "clock/common/message_loop_win.h"

namespace vistrel {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

    // The object behind a window of this program; nothing for any other window.
    static Window* FromHandle(HWND hwnd);

protected:
    // Registers a window class of this program once per process.
    // `background` is a system colour index + 1 (COLOR_BTNFACE + 1), or 0 for none.
    static void RegisterClassOnce(const wchar_t* class_name, UINT class_style = 0,
                                  HCURSOR cursor = nullptr, HICON icon = nullptr,
                                  int background = 0);
    // Creates the window; throws Error when the system refuses.
    void CreateOf(const wchar_t* class_name, DWORD ex_style, const wchar_t* title, DWORD style,
                  int x, int y, int width, int height, HWND owner);

    // Message dispatch of the derived window; unhandled messages go to Default.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }
    // Called after the window is gone; a self-owning window may delete itself here.
    virtual void OnFinalMessage() {}
    // Lets go of the window without destroying it, as the program ends: the system takes it
    // with the process. (Destroying a shown window with a caption hides it first, and under X
    // without a window manager Wine then waits two seconds for a state change that never comes.)
    void LeaveToSystem();

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    HWND hwnd_ = nullptr;
};

// The one guard of every window and dialog procedure: runs a handler and turns an exception
// that escapes it into the application's default error box, answering `fallback` instead.
void ReportEscapedException() noexcept;
template <class Handler, class Result>
Result GuardedCall(Handler&& handler, Result fallback) noexcept {
    try {
        return handler();
    } catch (...) {
        ReportEscapedException();
        return fallback;
    }
}

} // namespace vistrel
