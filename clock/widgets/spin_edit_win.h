// The spin edit on its controls: an EDITTEXT followed in the template by a msctls_updown32
// whose number is SpinButtonId(edit) (UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT |
// UDS_ARROWKEYS | UDS_NOTHOUSANDS; resources/widgets.rh has the macro). The value is read from
// the edit's text, so a number typed beyond the range reaches the owner as typed and the owner
// decides (clamps, wraps); the arrows step within the range.
#pragma once

#include <windows.h>

namespace vistrel {

// Sets the range of the arrows. The arrows can step to min and max themselves.
void SetupSpinEdit(HWND dialog, int edit_id, int min, int max);
// Writes the value into the edit (which notifies EN_CHANGE) and the up-down.
void SetSpinValue(HWND dialog, int edit_id, int value);
// The edit's number; the last value set or stepped when the text holds none.
int SpinValue(HWND dialog, int edit_id);

} // namespace vistrel
