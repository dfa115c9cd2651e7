#pragma once

#include <windows.h>

namespace vistrel {

// The window that owns the program's message boxes (the application window).
void SetMessageBoxOwner(HWND owner);

} // namespace vistrel
