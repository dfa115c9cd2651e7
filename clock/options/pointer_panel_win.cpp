#include "clock/options/pointer_panel_win.h"

#include "clock/common/control_state_win.h"
#include "clock/common/handles_win.h"

namespace vistrel {

namespace {

constexpr int kImageSize = 32;

struct PanelState {
    static constexpr wchar_t kProperty[] = L"VistrelPointerPanel";
    HCURSOR cursor = nullptr;
    bool highlighted = false;

    std::optional<LRESULT> OnMessage(HWND, UINT msg, WPARAM, LPARAM lp) const {
        if (msg == kReflectedDrawItem) return Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return std::nullopt;
    }

    LRESULT Draw(const DRAWITEMSTRUCT& item) const {
        if (item.CtlType != ODT_BUTTON) return FALSE;
        RECT r = item.rcItem;
        const UniqueBrush face(
            CreateSolidBrush(GetSysColor(highlighted ? COLOR_HIGHLIGHT : COLOR_BTNFACE)));
        FillRect(item.hDC, &r, face.get());
        DrawEdge(item.hDC, &r, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
                 BF_RECT);
        // The cursor in the middle, drawn over the panel's colour (its mask keeps the rest).
        const int x = (r.left + r.right - kImageSize) / 2;
        const int y = (r.top + r.bottom - kImageSize) / 2;
        DrawIconEx(item.hDC, x, y, cursor, kImageSize, kImageSize, 0, nullptr, DI_NORMAL);
        if (item.itemState & ODS_FOCUS) {
            InflateRect(&r, -3, -3);
            DrawFocusRect(item.hDC, &r);
        }
        return TRUE;
    }
};

using PanelStates = ControlState<PanelState>;

} // namespace

void MakePointerPanel(HWND button, HCURSOR cursor) {
    // A panel made again keeps its highlight.
    const PanelState* present = PanelStates::Of(button);
    if (PanelStates::Attach(button, {cursor, present && present->highlighted}))
        InvalidateRect(button, nullptr, FALSE);
}

bool IsPointerPanel(HWND button) { return PanelStates::Of(button) != nullptr; }

void SetPanelHighlight(HWND button, bool highlighted) {
    PanelState* state = PanelStates::Of(button);
    if (!state || state->highlighted == highlighted) return;
    state->highlighted = highlighted;
    InvalidateRect(button, nullptr, FALSE);
}

bool PanelHighlighted(HWND button) {
    const PanelState* state = PanelStates::Of(button);
    return state && state->highlighted;
}

} // namespace vistrel
