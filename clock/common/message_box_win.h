#pragma once

#include <windows.h>

namespace vistrel {

// The window that owns the program's message boxes (the application window).
void SetMessageBoxOwner(HWND owner);

// The owner of the next box: the thread's active window when it is one of this program's
// dialogs or windows, else the application window.
HWND MessageBoxOwner();

} // namespace vistrel
