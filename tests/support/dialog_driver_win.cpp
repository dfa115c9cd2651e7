#include "tests/support/dialog_driver_win.h"

#include <string>

#include "clock/common/wide_win.h"

namespace vistrel::test_support {

namespace {

bool IsClass(HWND hwnd, const wchar_t* name) {
    wchar_t found[64] = {};
    GetClassNameW(hwnd, found, static_cast<int>(std::size(found)));
    return _wcsicmp(found, name) == 0;
}

void CheckInGroup(HWND button) {
    HWND first = button;
    while (!(GetWindowLongW(first, GWL_STYLE) & WS_GROUP)) {
        const HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous) break;
        first = previous;
    }
    for (HWND b = first; b; b = GetWindow(b, GW_HWNDNEXT)) {
        if (b != first && (GetWindowLongW(b, GWL_STYLE) & WS_GROUP)) break;
        if ((GetWindowLongW(b, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
            SendMessageW(b, BM_SETCHECK, b == button ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

} // namespace

void Notify(HWND control, int code) {
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

void Click(HWND button) {
    const LONG type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX) {
        const bool checked = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendMessageW(button, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    if (type == BS_AUTORADIOBUTTON) CheckInGroup(button);
    Notify(button, BN_CLICKED);
}

void Choose(HWND list, int index) {
    if (IsClass(list, L"ListBox")) {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Notify(list, LBN_SELCHANGE);
        return;
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Notify(list, CBN_SELCHANGE);
}

void Slide(HWND track, int position) {
    SendMessageW(track, TBM_SETPOS, TRUE, position);
    SendMessageW(GetParent(track), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(track));
}

void TypeInto(HWND combo, std::string_view utf8) {
    SetWindowTextW(combo, Widen(utf8).c_str());
    Notify(combo, CBN_EDITCHANGE);
}

} // namespace vistrel::test_support
