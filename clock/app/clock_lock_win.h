// The clock's lock behaviours: a locked clock takes no mouse input and gets out of the cursor's
// way by fading and hiding, by opening a see-through hole around the cursor, or by jumping away;
// a poll brings it back once the cursor has left.
#pragma once

#include <windows.h>

#include <optional>

#include "clock/app/clock_surface_win.h"
#include "clock/common/geometry.h"
#include "clock/common/reentry_guard.h"

namespace vistrel {

class ClockLock {
public:
    // The poll's timer on the clock window.
    static constexpr UINT_PTR kPollTimer = 2;

    explicit ClockLock(ClockSurface& clock) : clock_(clock) {}
    ClockLock(const ClockLock&) = delete;
    ClockLock& operator=(const ClockLock&) = delete;

    // Locked, and the settings' temporary key (if any) not held.
    bool LockAppliesNow() const;
    // A hit test on the locked clock: the behaviour of the settings' mode. Answers HTNOWHERE.
    LRESULT LockBehaviour();
    // The poll's timer went off.
    void LockPoll();
    void StopLockPoll();
    // A behaviour runs (and lets messages run): hit tests keep out.
    bool Busy() const { return lock_busy_.Busy(); }
    // The see-through hole around the cursor is open.
    bool HoleActive() const { return hole_active_; }
    // Where an escaped clock comes back to, while it is away.
    const std::optional<Rect>& HomeRect() const { return home_rect_; }

private:
    void RunLockBehaviour();
    void StartLockPoll();
    void FadeTo(int from, int to);
    bool CursorOutside(const Rect& r) const;

    ClockSurface& clock_;
    // busy while one runs (hit tests and the poll keep out), the mode taken when it started,
    // the see-through hole, and the escape's rectangle to come back to
    ReentryGuard lock_busy_;
    int lock_mode_ = 0;
    bool lock_polling_ = false;
    bool hole_active_ = false;
    std::optional<Rect> home_rect_;
};

} // namespace vistrel
