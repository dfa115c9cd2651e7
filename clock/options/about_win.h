// The About window TfrmAbout: the program's name and version, the screen saver manager's line
// while that program runs, and a link to the help pages shipped beside the program.
#pragma once

#include <windows.h>

namespace vistrel {

// Shows the window modally beside the clock window, owned by `owner`.
// Returns how it was closed (IDOK).
INT_PTR RunAbout(HWND owner, HWND clock_window);

// The address the link label shows and opens (the help contents beside the program).
const char* AboutLinkAddress();

} // namespace vistrel
