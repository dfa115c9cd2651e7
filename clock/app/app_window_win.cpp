#include "clock/app/app_window_win.h"

#include "clock/common/program_icon_win.h"
#include "clock/common/wide_win.h"

namespace vistrel {

void AppWindow::Create() {
    RegisterClassOnce(kClassName);
    // Visible but of no size: it shows nothing but a task-bar button while that is wanted.
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateOf(kClassName, WS_EX_TOOLWINDOW, L"Vistrel",
             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, cx, cy, 0, 0, nullptr);
    title_ = L"Vistrel";
    GiveProgramIcon(hwnd());
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void AppWindow::SetTitle(const std::string& title) {
    std::wstring wide = Widen(title);
    if (wide == title_) return; // the task bar repaints on every change
    title_ = std::move(wide);
    SetWindowTextW(hwnd(), title_.c_str());
}

void AppWindow::SetTaskbarButton(bool shown) {
    LONG_PTR ex = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    // Nothing to change: hiding and showing again would only flicker (and under Wine without
    // a window manager, stall two seconds waiting for the window to be withdrawn).
    if (((ex & WS_EX_TOOLWINDOW) == 0) == shown && IsWindowVisible(hwnd())) return;
    // The shell notices the style only when the window is shown again.
    ShowWindow(hwnd(), SW_HIDE);
    ex = shown ? (ex & ~WS_EX_TOOLWINDOW) : (ex | WS_EX_TOOLWINDOW);
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex);
    ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
}

void AppWindow::SetTopmost(bool topmost) {
    SetWindowPos(hwnd(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void AppWindow::Minimize() { SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

LRESULT AppWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SYSCOMMAND: return OnSysCommand(wp, lp);
    case WM_ACTIVATEAPP:
        if (wp && on_activate) on_activate();
        if (!wp && on_deactivate) on_deactivate();
        return 0;
    case WM_CLOSE:
        // Closing the task-bar button closes the clock.
        if (on_close) on_close();
        return 0;
    default: return Default(msg, wp, lp);
    }
}

LRESULT AppWindow::OnSysCommand(WPARAM wp, LPARAM lp) {
    switch (wp & 0xFFF0) {
    case SC_MINIMIZE:
        if (IsIconic(hwnd())) return 0;
        if (on_minimize) on_minimize();
        ShowOwnedPopups(hwnd(), FALSE);
        ShowWindow(hwnd(), SW_MINIMIZE);
        return 0;
    case SC_RESTORE:
        if (!IsIconic(hwnd())) return 0;
        ShowWindow(hwnd(), SW_RESTORE);
        ShowOwnedPopups(hwnd(), TRUE);
        if (on_restore) on_restore();
        return 0;
    default: return Default(WM_SYSCOMMAND, wp, lp);
    }
}

} // namespace vistrel
