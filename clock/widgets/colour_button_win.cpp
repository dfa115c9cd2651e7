#include "clock/widgets/colour_button_win.h"

#include "clock/common/colour_win.h"
#include "clock/common/control_state_win.h"
#include "clock/common/handles_win.h"

namespace vistrel {

namespace {

ColourPicker*& Installed() {
    static ColourPicker* picker = nullptr;
    return picker;
}

void FillRect(HDC dc, const RECT& r, COLORREF colour) {
    const UniqueBrush brush(CreateSolidBrush(colour));
    ::FillRect(dc, &r, brush.get());
}

struct ButtonState {
    static constexpr wchar_t kProperty[] = L"VistrelColourButton";
    TColor colour = 0;
    bool system_colours = false;

    std::optional<LRESULT> OnMessage(HWND button, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == kReflectedDrawItem) return Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        // A click opens the picker; the dialog hears of it only when the colour changed.
        if (msg == kReflectedCommand && HIWORD(wp) == BN_CLICKED) return !Pick(button);
        return std::nullopt;
    }

    LRESULT Draw(const DRAWITEMSTRUCT& item) const {
        if (item.CtlType != ODT_BUTTON) return FALSE;
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
        FillRect(item.hDC, r, ToColorRef(colour));
        if (item.itemState & ODS_FOCUS) {
            RECT focus = item.rcItem;
            InflateRect(&focus, -3, -3);
            DrawFocusRect(item.hDC, &focus);
        }
        return TRUE;
    }

    // Opens the picker below the button; true when the colour changed.
    bool Pick(HWND button) {
        const std::optional<TColor> chosen =
            CurrentColourPicker().Pick(colour, system_colours, button);
        if (!chosen || *chosen == colour) return false;
        SetButtonColour(button, *chosen);
        return true;
    }
};

using ButtonStates = ControlState<ButtonState>;

} // namespace

void MakeColourButton(HWND button, TColor colour, bool system_colours) {
    if (ButtonStates::Attach(button, {colour, system_colours}))
        InvalidateRect(button, nullptr, FALSE);
}

bool IsColourButton(HWND button) { return ButtonStates::Of(button) != nullptr; }

void SetButtonColour(HWND button, TColor colour) {
    ButtonState* state = ButtonStates::Of(button);
    if (!state || state->colour == colour) return;
    state->colour = colour;
    InvalidateRect(button, nullptr, FALSE);
}

TColor ButtonColour(HWND button) {
    const ButtonState* state = ButtonStates::Of(button);
    return state ? state->colour : 0;
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
