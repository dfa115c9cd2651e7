// The clock's own icon, large and small, on every window a user meets in a task bar, in Alt+Tab
// or in a window manager's list: without it the system shows a generic one (under X, Wine puts
// its own logo there). A window that sets no icon takes none from its owner under Wine.
#pragma once

#include <windows.h>

namespace vistrel {

// The program's first icon at the system's large or small icon size; loaded once, kept for the
// whole run. Null where the module has no such icon.
HICON ProgramIcon(bool small);
// Hands both sizes to a top-level window (WM_SETICON).
void GiveProgramIcon(HWND window);

} // namespace vistrel
