#include "clock/options/dialog_control_surface_win.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "clock/common/wide_win.h"
#include "clock/common/window_text_win.h"
#include "clock/options/pointer_panel_win.h"
#include "clock/widgets/colour_button_win.h"
#include "clock/widgets/spin_edit.h"
#include "clock/widgets/spin_edit_win.h"

namespace vistrel {

namespace {

using Kind = DialogControlSurface::Kind;

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return name;
}

Kind KindOfWindow(HWND hwnd) {
    if (!hwnd) return Kind::None;
    const std::wstring name = ClassOf(hwnd);
    if (_wcsicmp(name.c_str(), L"Button") == 0) {
        if (IsColourButton(hwnd)) return Kind::ColourButton;
        if (IsPointerPanel(hwnd)) return Kind::Panel;
        return Kind::Button;
    }
    if (_wcsicmp(name.c_str(), L"Edit") == 0) return Kind::SpinEdit;
    if (_wcsicmp(name.c_str(), TRACKBAR_CLASSW) == 0) return Kind::TrackBar;
    if (_wcsicmp(name.c_str(), L"ComboBox") == 0) return Kind::ComboBox;
    if (_wcsicmp(name.c_str(), L"ListBox") == 0) return Kind::ListBox;
    return Kind::Other;
}

std::wstring ListText(HWND list, WPARAM index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The up-down beside a spin edit, which goes with the edit when it is enabled or hidden.
HWND SpinButtonOf(HWND edit, int id) { return GetDlgItem(GetParent(edit), SpinButtonId(id)); }

} // namespace

DialogControlSurface::DialogControlSurface(std::vector<HWND> windows)
    : windows_(std::move(windows)) {}

const DialogControlSurface::Found& DialogControlSurface::Lookup(int id) const {
    // A number no window holds stays unknown: the pages make their controls once, and each
    // look-up asks every window (a server call each under Wine).
    const auto cached = found_.find(id);
    if (cached != found_.end() && (!cached->second.hwnd || IsWindow(cached->second.hwnd)))
        return cached->second;
    Found found;
    for (HWND window : windows_) {
        if (const HWND control = GetDlgItem(window, id)) {
            found = {control, KindOfWindow(control)};
            break;
        }
    }
    return found_[id] = found;
}

HWND DialogControlSurface::Control(int id) const { return Lookup(id).hwnd; }

DialogControlSurface::Kind DialogControlSurface::KindOf(int id) const { return Lookup(id).kind; }

void DialogControlSurface::SetCheck(int id, bool checked) {
    const Found& c = Lookup(id);
    if (c.kind == Kind::Panel) SetPanelHighlight(c.hwnd, checked);
    else if (c.kind == Kind::Button)
        SendMessageW(c.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool DialogControlSurface::GetCheck(int id) const {
    const Found& c = Lookup(id);
    if (c.kind == Kind::Panel) return PanelHighlighted(c.hwnd);
    if (c.kind == Kind::Button) return SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return false;
}

void DialogControlSurface::SetPosition(int id, int position) {
    const Found& c = Lookup(id);
    if (c.kind == Kind::TrackBar) SendMessageW(c.hwnd, TBM_SETPOS, TRUE, position);
    else if (c.kind == Kind::SpinEdit) SetSpinValue(GetParent(c.hwnd), id, position);
}

int DialogControlSurface::GetPosition(int id) const {
    const Found& c = Lookup(id);
    if (c.kind == Kind::TrackBar) return static_cast<int>(SendMessageW(c.hwnd, TBM_GETPOS, 0, 0));
    if (c.kind == Kind::SpinEdit) return SpinValue(GetParent(c.hwnd), id);
    return 0;
}

void DialogControlSurface::SetText(int id, const std::string& text) {
    if (const HWND control = Control(id)) SetWindowTextW(control, Widen(text).c_str());
}

std::string DialogControlSurface::GetText(int id) const {
    const HWND control = Control(id);
    return control ? WindowTextOf(control) : std::string();
}

void DialogControlSurface::SetSelection(int id, int index) {
    const Found& c = Lookup(id);
    if (c.kind == Kind::ComboBox) SendMessageW(c.hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    else if (c.kind == Kind::ListBox)
        SendMessageW(c.hwnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DialogControlSurface::GetSelection(int id) const {
    const Found& c = Lookup(id);
    LRESULT index = -1;
    if (c.kind == Kind::ComboBox) index = SendMessageW(c.hwnd, CB_GETCURSEL, 0, 0);
    else if (c.kind == Kind::ListBox) index = SendMessageW(c.hwnd, LB_GETCURSEL, 0, 0);
    return index < 0 ? -1 : static_cast<int>(index);
}

void DialogControlSurface::SetColour(int id, TColor colour) {
    const Found& c = Lookup(id);
    if (c.kind == Kind::ColourButton) SetButtonColour(c.hwnd, colour);
}

TColor DialogControlSurface::GetColour(int id) const {
    const Found& c = Lookup(id);
    return c.kind == Kind::ColourButton ? ButtonColour(c.hwnd) : TColor{0};
}

void DialogControlSurface::SetOrder(int id, const std::vector<int>& codes) {
    const Found& c = Lookup(id);
    if (c.kind != Kind::ListBox) return;
    // The entries keep their texts; only their places change.
    std::unordered_map<int, std::wstring> names;
    const LRESULT count = SendMessageW(c.hwnd, LB_GETCOUNT, 0, 0);
    for (LRESULT n = 0; n < count; ++n) {
        const auto code = static_cast<int>(SendMessageW(c.hwnd, LB_GETITEMDATA, n, 0));
        names[code] = ListText(c.hwnd, static_cast<WPARAM>(n));
    }
    SendMessageW(c.hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(c.hwnd, LB_RESETCONTENT, 0, 0);
    for (const int code : codes) {
        const LRESULT at =
            SendMessageW(c.hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[code].c_str()));
        if (at >= 0) SendMessageW(c.hwnd, LB_SETITEMDATA, static_cast<WPARAM>(at), code);
    }
    SendMessageW(c.hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(c.hwnd, nullptr, TRUE);
}

std::vector<int> DialogControlSurface::GetOrder(int id) const {
    const Found& c = Lookup(id);
    std::vector<int> codes;
    if (c.kind != Kind::ListBox) return codes;
    const LRESULT count = SendMessageW(c.hwnd, LB_GETCOUNT, 0, 0);
    for (LRESULT n = 0; n < count; ++n)
        codes.push_back(static_cast<int>(SendMessageW(c.hwnd, LB_GETITEMDATA, n, 0)));
    return codes;
}

void DialogControlSurface::Enable(int id, bool enabled) {
    const Found& c = Lookup(id);
    if (!c.hwnd) return;
    // Only a change is sent: a disabled control that is disabled again still repaints.
    if ((IsWindowEnabled(c.hwnd) != FALSE) != enabled) EnableWindow(c.hwnd, enabled);
    if (c.kind == Kind::SpinEdit) {
        if (const HWND arrows = SpinButtonOf(c.hwnd, id)) EnableWindow(arrows, enabled);
    }
}

void DialogControlSurface::Show(int id, bool visible) {
    const Found& c = Lookup(id);
    if (!c.hwnd) return;
    const int how = visible ? SW_SHOWNA : SW_HIDE;
    // A control of a hidden page keeps its own visibility for when its page is shown.
    const bool shown = (GetWindowLongW(c.hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != visible) ShowWindow(c.hwnd, how);
    if (c.kind == Kind::SpinEdit) {
        if (const HWND arrows = SpinButtonOf(c.hwnd, id)) ShowWindow(arrows, how);
    }
}

} // namespace vistrel
