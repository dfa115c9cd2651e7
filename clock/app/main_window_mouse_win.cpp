// The mouse on the clock window: hit test and cursor; the drag and resize are ClockDrag's.
#include "clock/app/main_window_win.h"

#include <windowsx.h>

#include "clock/app/cursors_win.h"

namespace vistrel {

LRESULT TfrmVistrel::OnNcHitTest(LPARAM lp) {
    if (!tick_.Ticking() || lock_.Busy()) return HTNOWHERE;
    // A locked clock takes no mouse input; the behaviours that get it out of the cursor's way
    // answer here.
    if (lock_.LockAppliesNow()) return lock_.LockBehaviour();
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ScreenToClient(hwnd(), &p);
    RECT rc;
    GetClientRect(hwnd(), &rc);
    const int margin = EdgeMargin(
        {rc.right, option_.MojiBan, option_.MojiSize, option_.ThickPos, option_.Thick5Size});
    switch (EdgeAt(p.x, p.y, rc.right, rc.bottom, margin)) {
    case Edge::Left: return HTLEFT;
    case Edge::Right: return HTRIGHT;
    case Edge::Top: return HTTOP;
    case Edge::Bottom: return HTBOTTOM;
    case Edge::None: break;
    }
    return HTCLIENT;
}

LRESULT TfrmVistrel::OnNcLButtonDown(WPARAM wp, LPARAM lp) {
    if (!drag_.StartResize(wp, lp)) return Default(WM_NCLBUTTONDOWN, wp, lp);
    return 0;
}

void TfrmVistrel::OnLButtonDown(LPARAM) { drag_.StartDrag(); }

LRESULT TfrmVistrel::OnMouseMove(WPARAM wp, LPARAM lp) {
    drag_.Move(wp, lp);
    return 0;
}

LRESULT TfrmVistrel::OnLButtonUp(WPARAM, LPARAM) {
    drag_.End();
    return 0;
}

bool TfrmVistrel::OnSetCursor(LPARAM lp) {
    switch (LOWORD(lp)) {
    case HTLEFT:
    case HTRIGHT: SetCursor(CursorFor(kCursorSizeHorizontal)); return true;
    case HTTOP:
    case HTBOTTOM: SetCursor(CursorFor(kCursorSizeVertical)); return true;
    case HTCLIENT: SetCursor(CursorFor(option_.PointType)); return true;
    default: return false;
    }
}

} // namespace vistrel
