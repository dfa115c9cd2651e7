// The lock behaviours: a locked clock gets out of the cursor's way by fading and hiding, by
// opening a see-through hole around the cursor, or by jumping away, and comes back once the
// cursor has left.
#include "clock/app/clock_lock_win.h"

#include "clock/app/window_geometry.h"
#include "clock/common/message_loop_win.h"
#include "clock/common/monitors_win.h"

namespace vistrel {

namespace {
constexpr UINT kLockPollMs = 100;
}

bool ClockLock::LockAppliesNow() const {
    bool key_held = false;
    switch (clock_.Options().TempKey) {
    case 1: key_held = GetKeyState(VK_CONTROL) < 0; break;
    case 2: key_held = GetKeyState(VK_SHIFT) < 0; break;
    case 3: key_held = GetKeyState(VK_MENU) < 0; break;
    default: break;
    }
    return LockApplies(clock_.Options().Locked, key_held);
}

LRESULT ClockLock::LockBehaviour() {
    lock_mode_ = clock_.Options().Mode;
    if (lock_mode_ == 0) return HTNOWHERE; // mode 0 simply ignores the mouse
    {
        // A fade lets messages run: hit tests and the poll are refused meanwhile.
        const ReentryGuard::Scope busy(lock_busy_);
        StopLockPoll();
        RunLockBehaviour();
    }
    StartLockPoll();
    return HTNOWHERE;
}

void ClockLock::RunLockBehaviour() {
    switch (lock_mode_) {
    case 1:
        if (clock_.Options().UseTrans && clock_.Options().SlowlyHide &&
            clock_.Options().Trans >= 1) {
            FadeTo(clock_.Options().Trans, 1);
        }
        ShowWindow(clock_.Handle(), SW_HIDE);
        break;
    case 2:
        if (!hole_active_) {
            hole_active_ = true;
            clock_.Redraw();
        }
        break;
    case 3: {
        if (!home_rect_) home_rect_ = clock_.Bounds();
        POINT p;
        GetCursorPos(&p);
        const Rect b = clock_.Bounds();
        // The steps are 96-DPI pixels, as the clock's size.
        const Offset o = MoveAway(b, p.x, p.y, clock_.Options().EscapeSpeed);
        const int dpi = DpiOf(clock_.Handle());
        SetWindowPos(clock_.Handle(), nullptr, b.left + Scale(o.dx, dpi), b.top + Scale(o.dy, dpi),
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        break;
    }
    default: break;
    }
}

void ClockLock::LockPoll() {
    if (lock_busy_.Busy()) return;
    switch (lock_mode_) {
    case 1: {
        if (!CursorOutside(clock_.Bounds())) return;
        const ReentryGuard::Scope busy(lock_busy_);
        ShowWindow(clock_.Handle(), SW_SHOWNOACTIVATE);
        StopLockPoll();
        if (clock_.Options().UseTrans && clock_.Options().SlowlyHide)
            FadeTo(1, clock_.Options().Trans);
        break;
    }
    case 2:
        clock_.Redraw(); // the hole follows the cursor
        if (!CursorOutside(clock_.Bounds())) return;
        StopLockPoll();
        hole_active_ = false;
        clock_.Redraw();
        break;
    case 3:
        if (!home_rect_ || !CursorOutside(*home_rect_)) return;
        SetWindowPos(clock_.Handle(), nullptr, home_rect_->left, home_rect_->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        StopLockPoll();
        home_rect_.reset();
        clock_.UpdateAnchor();
        break;
    default: StopLockPoll(); break;
    }
}

void ClockLock::StartLockPoll() {
    lock_polling_ = SetTimer(clock_.Handle(), kPollTimer, kLockPollMs, nullptr) != 0;
}

void ClockLock::StopLockPoll() {
    if (lock_polling_ && clock_.Handle()) KillTimer(clock_.Handle(), kPollTimer);
    lock_polling_ = false;
}

void ClockLock::FadeTo(int from, int to) {
    if (!clock_.Layered()) return;
    const int step = from <= to ? 1 : -1;
    for (int a = from;; a += step) {
        clock_.SetLayeredAlpha(a);
        if (ProcessMessages() || a == to) break; // done, or the program is closing
    }
}

bool ClockLock::CursorOutside(const Rect& r) const {
    POINT p;
    GetCursorPos(&p);
    return !r.Contains(p.x, p.y);
}

} // namespace vistrel
