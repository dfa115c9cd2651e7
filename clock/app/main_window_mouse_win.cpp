// The mouse on the clock window: hit test, drag and resize.
#include "clock/app/main_window_win.h"

#include <windowsx.h>

#include "clock/app/cursors_win.h"

namespace vistrel {

LRESULT TfrmVistrel::OnNcHitTest(LPARAM lp) {
    if (!ticking_ || lock_.Busy()) return HTNOWHERE;
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
    Edge edge = Edge::None;
    switch (wp) {
    case HTLEFT: edge = Edge::Left; break;
    case HTRIGHT: edge = Edge::Right; break;
    case HTTOP: edge = Edge::Top; break;
    case HTBOTTOM: edge = Edge::Bottom; break;
    default: break;
    }
    if (wp != HTSIZE && (wp < HTLEFT || wp > HTBOTTOMRIGHT)) {
        return Default(WM_NCLBUTTONDOWN, wp, lp);
    }
    resizing_ = true;
    resize_edge_ = edge;
    resize_start_ = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    resize_start_rect_ = Bounds();
    SetCapture(hwnd());
    return 0;
}

namespace {
POINT MessageScreenPoint() {
    const DWORD pos = GetMessagePos();
    return {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
}
} // namespace

void TfrmVistrel::OnLButtonDown(LPARAM) {
    drag_start_ = MessageScreenPoint();
    const Rect b = Bounds();
    drag_origin_ = {b.left, b.top};
    dragging_ = true;
    SetCapture(hwnd());
}

LRESULT TfrmVistrel::OnMouseMove(WPARAM wp, LPARAM lp) {
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (resizing_) {
        ClientToScreen(hwnd(), &p);
        const int dpi = DpiOf(hwnd());
        const ResizeResult r = ResizeStep(resize_start_rect_, resize_edge_, resize_start_.x,
                                          resize_start_.y, p.x, p.y, Scale(kMinimumClockSize, dpi));
        if (!r.accepted) return 0;
        window_.Size = Unscale(r.rect.width(), dpi);
        PlaceWindow(r.rect);
        UpdateAnchor();
        Redraw();
        return 0;
    }
    if (dragging_ && (wp & MK_LBUTTON)) {
        const POINT s = MessageScreenPoint();
        const int x = drag_origin_.x + s.x - drag_start_.x;
        const int y = drag_origin_.y + s.y - drag_start_.y;
        const Rect b = Bounds();
        if (x == b.left && y == b.top) return 0;
        SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateAnchor();
    }
    return 0;
}

LRESULT TfrmVistrel::OnLButtonUp(WPARAM, LPARAM) {
    if (resizing_) Redraw();
    resizing_ = false;
    dragging_ = false;
    ReleaseCapture();
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
