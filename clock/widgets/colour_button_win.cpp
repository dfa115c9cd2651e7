#include "clock/widgets/colour_button_win.h"

#include <commctrl.h>

#include "clock/common/colour_win.h"
#include "clock/common/handles_win.h"

namespace vistrel {

namespace {

constexpr UINT_PTR kSubclassId = 0x5643;
// The button's state hangs on the button as a property; its subclass frees it with the button.
constexpr wchar_t kStateProperty[] = L"VistrelColourButton";

struct ButtonState {
    TColor colour = 0;
    bool system_colours = false;
};

ButtonState* StateOf(HWND button) {
    return button ? static_cast<ButtonState*>(GetPropW(button, kStateProperty)) : nullptr;
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                            DWORD_PTR /*data*/) {
    if (msg == WM_NCDESTROY) {
        delete static_cast<ButtonState*>(RemovePropW(hwnd, kStateProperty));
        RemoveWindowSubclass(hwnd, &ButtonProc, id);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

ColourPicker*& Installed() {
    static ColourPicker* picker = nullptr;
    return picker;
}

void FillRect(HDC dc, const RECT& r, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    ::FillRect(dc, &r, brush.get());
}

} // namespace

void MakeColourButton(HWND button, TColor colour, bool system_colours) {
    if (ButtonState* state = StateOf(button)) {
        *state = {colour, system_colours};
    } else {
        auto* fresh = new ButtonState{colour, system_colours};
        if (!SetPropW(button, kStateProperty, fresh)) {
            delete fresh;
            return;
        }
        if (!SetWindowSubclass(button, &ButtonProc, kSubclassId, 0)) {
            delete static_cast<ButtonState*>(RemovePropW(button, kStateProperty));
            return;
        }
    }
    InvalidateRect(button, nullptr, FALSE);
}

bool IsColourButton(HWND button) { return StateOf(button) != nullptr; }

void SetButtonColour(HWND button, TColor colour) {
    ButtonState* state = StateOf(button);
    if (!state || state->colour == colour) return;
    state->colour = colour;
    InvalidateRect(button, nullptr, FALSE);
}

TColor ButtonColour(HWND button) {
    const ButtonState* state = StateOf(button);
    return state ? state->colour : 0;
}

bool DrawColourButton(const DRAWITEMSTRUCT& item) {
    const ButtonState* state = StateOf(item.hwndItem);
    if (!state || item.CtlType != ODT_BUTTON) return false;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT r = item.rcItem;
    DrawFrameControl(item.hDC, &r, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pushed ? DFCS_PUSHED : 0));
    InflateRect(&r, -2, -2);
    if (pushed) OffsetRect(&r, 1, 1);
    // The swatch in a one-pixel frame: black when the button can be used, grey when not (the
    // colour itself stays visible, as the setting is still in force).
    FillRect(item.hDC, r, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    InflateRect(&r, -1, -1);
    FillRect(item.hDC, r, ToColorRef(state->colour));
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

bool PickButtonColour(HWND button) {
    ButtonState* state = StateOf(button);
    if (!state) return false;
    const std::optional<TColor> chosen =
        CurrentColourPicker().Pick(state->colour, state->system_colours, button);
    if (!chosen || *chosen == state->colour) return false;
    SetButtonColour(button, *chosen);
    return true;
}

namespace detail {
ColourPicker& PlatformColourPicker(); // colour_picker_win.cpp
}

ColourPicker& CurrentColourPicker() {
    return Installed() ? *Installed() : detail::PlatformColourPicker();
}

ColourPicker* SetColourPickerForTests(ColourPicker* picker) {
    ColourPicker* previous = Installed();
    Installed() = picker;
    return previous;
}

} // namespace vistrel
