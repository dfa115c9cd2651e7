#include "clock/options/pointer_panel_win.h"

#include <commctrl.h>

#include "clock/common/handles_win.h"

namespace vistrel {

namespace {

constexpr UINT_PTR kSubclassId = 0x5650;
constexpr wchar_t kStateProperty[] = L"VistrelPointerPanel";
constexpr int kImageSize = 32;

struct PanelState {
    HCURSOR cursor = nullptr;
    bool highlighted = false;
};

PanelState* StateOf(HWND button) {
    return button ? static_cast<PanelState*>(GetPropW(button, kStateProperty)) : nullptr;
}

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
    if (msg == WM_NCDESTROY) {
        delete static_cast<PanelState*>(RemovePropW(hwnd, kStateProperty));
        RemoveWindowSubclass(hwnd, &PanelProc, id);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

} // namespace

void MakePointerPanel(HWND button, HCURSOR cursor) {
    if (PanelState* state = StateOf(button)) {
        state->cursor = cursor;
    } else {
        auto* fresh = new PanelState{cursor, false};
        if (!SetPropW(button, kStateProperty, fresh)) {
            delete fresh;
            return;
        }
        if (!SetWindowSubclass(button, &PanelProc, kSubclassId, 0)) {
            delete static_cast<PanelState*>(RemovePropW(button, kStateProperty));
            return;
        }
    }
    InvalidateRect(button, nullptr, FALSE);
}

bool IsPointerPanel(HWND button) { return StateOf(button) != nullptr; }

void SetPanelHighlight(HWND button, bool highlighted) {
    PanelState* state = StateOf(button);
    if (!state || state->highlighted == highlighted) return;
    state->highlighted = highlighted;
    InvalidateRect(button, nullptr, FALSE);
}

bool PanelHighlighted(HWND button) {
    const PanelState* state = StateOf(button);
    return state && state->highlighted;
}

bool DrawPointerPanel(const DRAWITEMSTRUCT& item) {
    const PanelState* state = StateOf(item.hwndItem);
    if (!state || item.CtlType != ODT_BUTTON) return false;
    RECT r = item.rcItem;
    const UniqueBrush face(
        CreateSolidBrush(GetSysColor(state->highlighted ? COLOR_HIGHLIGHT : COLOR_BTNFACE)));
    FillRect(item.hDC, &r, face.get());
    DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    // The cursor in the middle, drawn over the panel's colour (its mask keeps the rest).
    const int x = (r.left + r.right - kImageSize) / 2;
    const int y = (r.top + r.bottom - kImageSize) / 2;
    DrawIconEx(item.hDC, x, y, state->cursor, kImageSize, kImageSize, 0, nullptr, DI_NORMAL);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&r, -3, -3);
        DrawFocusRect(item.hDC, &r);
    }
    return true;
}

} // namespace vistrel
