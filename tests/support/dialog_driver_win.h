// Driving a dialog's controls in tests the way a user's input reaches the dialog: the control
// takes its new state, then its parent hears the notification the control would send. (A
// simulated click can fail on a dialog that is not active, and setting a state notifies
// nothing by itself.)
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string_view>

namespace vistrel::test_support {

// A button's notification to its parent.
void Notify(HWND control, int code);
// A check box turns over, a radio button is chosen within its group (between two group
// starts), then BN_CLICKED.
void Click(HWND button);
// An entry of a drop-down list, a combo box or a list box, then its selection change.
void Choose(HWND list, int index);
// A track bar moved to a place, then its scroll message.
void Slide(HWND track, int position);
// Text typed into an editable combo box, then its edit change.
void TypeInto(HWND combo, std::string_view utf8);

} // namespace vistrel::test_support
