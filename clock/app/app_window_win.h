// The application window: a small hidden owner of every window of the program. Its title is the
// task-bar text, it carries or drops WS_EX_TOOLWINDOW to hide or show the task-bar button, it is
// what gets minimised and restored, and making it topmost lifts all of the program's windows.
#pragma once

#include <functional>
#include <string>

#include "clock/common/window_win.h"

namespace vistrel {

class AppWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"TVistrelApplication";

    void Create();

    void SetTitle(const std::string& title);
    void SetTaskbarButton(bool shown);
    void SetTopmost(bool topmost);
    void Minimize();
    // The program is ending: the window is left to the system (see Window::LeaveToSystem).
    void EndWithProgram() { LeaveToSystem(); }
    bool IsMinimized() const { return IsIconic(hwnd()) != FALSE; }

    // Hooks of the main window.
    std::function<void()> on_activate;   // the application became active
    std::function<void()> on_deactivate; // the application lost activation
    std::function<void()> on_minimize;   // about to be minimised to the task-bar button
    std::function<void()> on_restore;    // restored from the task-bar button
    std::function<void()> on_close;      // the task-bar button's Close

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT OnSysCommand(WPARAM wp, LPARAM lp);
    std::wstring title_;
};

} // namespace vistrel
