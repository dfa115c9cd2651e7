#include "clock/widgets/spin_edit_win.h"

#include <commctrl.h>

#include <string>

#include "clock/common/wide_win.h"
#include "clock/widgets/spin_edit.h"

namespace vistrel {

namespace {
HWND Arrows(HWND dialog, int edit_id) { return GetDlgItem(dialog, SpinButtonId(edit_id)); }

std::string EditText(HWND edit) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}
} // namespace

void SetupSpinEdit(HWND dialog, int edit_id, int min, int max) {
    SendMessageW(Arrows(dialog, edit_id), UDM_SETRANGE32, static_cast<WPARAM>(min),
                 static_cast<LPARAM>(max));
}

void SetSpinValue(HWND dialog, int edit_id, int value) {
    // The up-down first: with UDS_SETBUDDYINT it writes its own, clamped, text into the edit.
    SendMessageW(Arrows(dialog, edit_id), UDM_SETPOS32, 0, static_cast<LPARAM>(value));
    const std::wstring text = std::to_wstring(value);
    const HWND edit = GetDlgItem(dialog, edit_id);
    if (EditText(edit) != Narrow(text)) SetWindowTextW(edit, text.c_str());
}

int SpinValue(HWND dialog, int edit_id) {
    BOOL failed = FALSE;
    const int arrows = static_cast<int>(
        SendMessageW(Arrows(dialog, edit_id), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    return SpinTextValue(EditText(GetDlgItem(dialog, edit_id)), arrows);
}

} // namespace vistrel
