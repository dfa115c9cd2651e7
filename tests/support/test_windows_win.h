// Small window helpers of the Windows tests: reading a window's text, and a plain window that
// stands in for the clock or the application window.
#pragma once

#include <windows.h>

#include <string>

namespace vistrel::test_support {

// A window's text (a control's caption, an edit's contents) in UTF-8.
std::string TextOf(HWND hwnd);
// The text of a dialog's control.
std::string ItemText(HWND dialog, int id);

// A borderless tool window at a chosen place (shown without activation when asked); gone with
// the object.
class StandInWindow {
public:
    StandInWindow(int x, int y, int width, int height, const wchar_t* title = L"stand-in",
                  bool shown = false);
    ~StandInWindow();
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

// The number of top-level windows of this thread, for counting what a dialog leaves behind.
int ThreadWindowCount();

} // namespace vistrel::test_support
