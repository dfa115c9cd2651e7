// The pointer page's choices: owner-drawn buttons (BS_OWNERDRAW in the template), each showing
// one of the program's cursors. The chosen one is drawn in the system's highlight colour, the
// others in the button face colour; being buttons, they take the focus, Tab and the space bar.
// A panel draws itself (its page hands it its WM_DRAWITEM, see control_state_win.h).
#pragma once

#include <windows.h>

namespace vistrel {

// Makes a button a pointer panel showing a cursor (shared, not owned).
void MakePointerPanel(HWND button, HCURSOR cursor);
bool IsPointerPanel(HWND button);
// Highlights the panel (the choice) or not, and redraws it.
void SetPanelHighlight(HWND button, bool highlighted);
bool PanelHighlighted(HWND button);

} // namespace vistrel
