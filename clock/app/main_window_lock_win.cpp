// The lock behaviours: a locked clock gets out of the cursor's way by fading and hiding, by
// opening a see-through hole around the cursor, or by jumping away, and comes back once the
// cursor has left.
#include "clock/app/main_window_win.h"

namespace vistrel {

namespace {
constexpr UINT kLockPollMs = 100;
}

LRESULT TfrmVistrel::LockBehaviour() {
    lock_mode_ = option_.Mode;
    if (lock_mode_ == 0) return HTNOWHERE; // mode 0 simply ignores the mouse
    lock_busy_ = true;
    StopLockPoll();
    switch (lock_mode_) {
    case 1:
        if (option_.UseTrans && option_.SlowlyHide && option_.Trans >= 1) {
            FadeTo(option_.Trans, 1);
        }
        ShowWindow(hwnd(), SW_HIDE);
        break;
    case 2:
        if (!hole_active_) {
            hole_active_ = true;
            Redraw();
        }
        break;
    case 3: {
        if (!home_rect_) home_rect_ = Bounds();
        POINT p;
        GetCursorPos(&p);
        const Rect b = Bounds();
        // The steps are 96-DPI pixels, as the clock's size.
        const Offset o = MoveAway(b, p.x, p.y, option_.EscapeSpeed);
        const int dpi = DpiOf(hwnd());
        SetWindowPos(hwnd(), nullptr, b.left + Scale(o.dx, dpi), b.top + Scale(o.dy, dpi), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    default: break;
    }
    lock_busy_ = false;
    StartLockPoll();
    return HTNOWHERE;
}

void TfrmVistrel::LockPoll() {
    if (lock_busy_) return;
    switch (lock_mode_) {
    case 1:
        if (!CursorOutside(Bounds())) return;
        lock_busy_ = true;
        ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
        StopLockPoll();
        if (option_.UseTrans && option_.SlowlyHide) FadeTo(1, option_.Trans);
        lock_busy_ = false;
        break;
    case 2:
        Redraw(); // the hole follows the cursor
        if (!CursorOutside(Bounds())) return;
        StopLockPoll();
        hole_active_ = false;
        Redraw();
        break;
    case 3:
        if (!home_rect_ || !CursorOutside(*home_rect_)) return;
        SetWindowPos(hwnd(), nullptr, home_rect_->left, home_rect_->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        StopLockPoll();
        home_rect_.reset();
        UpdateAnchor();
        break;
    default: StopLockPoll(); break;
    }
}

void TfrmVistrel::StartLockPoll() {
    lock_polling_ = SetTimer(hwnd(), kLockPollTimer, kLockPollMs, nullptr) != 0;
}

void TfrmVistrel::StopLockPoll() {
    if (lock_polling_ && hwnd()) KillTimer(hwnd(), kLockPollTimer);
    lock_polling_ = false;
}

void TfrmVistrel::FadeTo(int from, int to) {
    if (!set_layered_) return;
    const int step = from <= to ? 1 : -1;
    for (int a = from;; a += step) {
        SetLayeredAlpha(a);
        if (ProcessMessages() || a == to) break; // done, or the program is closing
    }
}

bool TfrmVistrel::CursorOutside(const Rect& r) const {
    POINT p;
    GetCursorPos(&p);
    return !r.Contains(p.x, p.y);
}

} // namespace vistrel
