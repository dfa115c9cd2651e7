#pragma once

#include <windows.h>

namespace vistrel {

// The window that owns the program's message boxes (the application window).
void SetMessageBoxOwner(HWND owner);

// The title of every box of the program ("Vistrel" unless the program says otherwise); the text
// must live as long as the program.
void SetMessageBoxTitle(const wchar_t* title);

// The owner of the next box: the thread's active window when it is one of this program's
// dialogs or windows, else the application window.
HWND MessageBoxOwner();

} // namespace vistrel
