// The mouse on the clock window: drag and resize.
#include "clock/app/clock_drag_win.h"

#include <windowsx.h>

#include "clock/common/monitors_win.h"

namespace vistrel {

bool ClockDrag::StartResize(WPARAM wp, LPARAM lp) {
    Edge edge = Edge::None;
    switch (wp) {
    case HTLEFT: edge = Edge::Left; break;
    case HTRIGHT: edge = Edge::Right; break;
    case HTTOP: edge = Edge::Top; break;
    case HTBOTTOM: edge = Edge::Bottom; break;
    default: break;
    }
    if (wp != HTSIZE && (wp < HTLEFT || wp > HTBOTTOMRIGHT)) {
        return false;
    }
    resizing_ = true;
    resize_edge_ = edge;
    resize_start_ = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    resize_start_rect_ = clock_.Bounds();
    SetCapture(clock_.Handle());
    return true;
}

namespace {
POINT MessageScreenPoint() {
    const DWORD pos = GetMessagePos();
    return {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
}
} // namespace

void ClockDrag::StartDrag() {
    drag_start_ = MessageScreenPoint();
    const Rect b = clock_.Bounds();
    drag_origin_ = {b.left, b.top};
    dragging_ = true;
    SetCapture(clock_.Handle());
}

void ClockDrag::Move(WPARAM wp, LPARAM lp) {
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (resizing_) {
        ClientToScreen(clock_.Handle(), &p);
        const int dpi = DpiOf(clock_.Handle());
        const ResizeResult r = ResizeStep(resize_start_rect_, resize_edge_, resize_start_.x,
                                          resize_start_.y, p.x, p.y, Scale(kMinimumClockSize, dpi));
        if (!r.accepted) return;
        clock_.KeepSize(Unscale(r.rect.width(), dpi));
        clock_.PlaceWindow(r.rect);
        clock_.UpdateAnchor();
        clock_.Redraw();
        return;
    }
    if (dragging_ && (wp & MK_LBUTTON)) {
        const POINT s = MessageScreenPoint();
        const int x = drag_origin_.x + s.x - drag_start_.x;
        const int y = drag_origin_.y + s.y - drag_start_.y;
        const Rect b = clock_.Bounds();
        if (x == b.left && y == b.top) return;
        SetWindowPos(clock_.Handle(), nullptr, x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        clock_.UpdateAnchor();
    }
}

void ClockDrag::End() {
    if (resizing_) clock_.Redraw();
    resizing_ = false;
    dragging_ = false;
    ReleaseCapture();
}

} // namespace vistrel
