#include "clock/widgets/spin_edit_win.h"

#include <commctrl.h>

#include <string>

#include "clock/common/wide_win.h"
#include "clock/common/window_text_win.h"
#include "clock/widgets/spin_edit.h"

namespace vistrel {

namespace {
HWND Arrows(HWND dialog, int edit_id) { return GetDlgItem(dialog, SpinButtonId(edit_id)); }

} // namespace

void SetupSpinEdit(HWND dialog, int edit_id, int min, int max) {
    SendMessageW(Arrows(dialog, edit_id), UDM_SETRANGE32, static_cast<WPARAM>(min),
                 static_cast<LPARAM>(max));
}

void SetSpinValue(HWND dialog, int edit_id, int value) {
    const HWND edit = GetDlgItem(dialog, edit_id);
    const std::string text = std::to_string(value);
    // Writing the text moves the caret to the start: an edit that shows the value already (the
    // user typing it) is left alone. The arrows read the text when they step.
    if (WindowTextOf(edit) == text) return;
    // With UDS_SETBUDDYINT the up-down writes its own, clamped, text; a value beyond its range
    // is then written as it is.
    SendMessageW(Arrows(dialog, edit_id), UDM_SETPOS32, 0, static_cast<LPARAM>(value));
    if (WindowTextOf(edit) != text) SetWindowTextW(edit, Widen(text).c_str());
}

int SpinValue(HWND dialog, int edit_id) {
    BOOL failed = FALSE;
    const int arrows = static_cast<int>(
        SendMessageW(Arrows(dialog, edit_id), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    return SpinTextValue(WindowTextOf(GetDlgItem(dialog, edit_id)), arrows);
}

} // namespace vistrel
