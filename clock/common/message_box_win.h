#pragma once

#include <windows.h>

namespace vistrel {

// The window that owns the program's message boxes (the application window).
void SetMessageBoxOwner(HWND owner);

// The title of every box of the program ("Vistrel" unless the program says otherwise); the text
// must live as long as the program.
void SetMessageBoxTitle(const wchar_t* title);

} // namespace vistrel
