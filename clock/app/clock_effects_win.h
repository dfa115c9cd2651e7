// The attention effects an alarm plays on the clock: a flash of turned colours and a shake.
#pragma once

#include <windows.h>

#include "clock/app/clock_surface_win.h"
#include "clock/common/reentry_guard.h"
#include "clock/settings/option_item.h"

namespace vistrel {

// The settings as a flash round shows them: the hour and minute hands' colours swapped, the
// others inverted.
TOptionItem FlashedColours(TOptionItem options);

class ClockEffects {
public:
    explicit ClockEffects(ClockSurface& clock) : clock_(clock) {}
    ClockEffects(const ClockEffects&) = delete;
    ClockEffects& operator=(const ClockEffects&) = delete;

    // The effects, n + 1 rounds of at least 30 ms each. Their rounds let messages run; an
    // effect asked for meanwhile (an alarm due in the tick) is refused.
    void FlashColours(int n);
    void ShakeWindow(int n);
    // A flash round draws the colours turned (FlashedColours).
    bool Flashed() const { return flash_inverted_; }

private:
    // Lets messages run and waits out the round; false when the program is closing.
    bool PaceRound(DWORD& round_start);

    ClockSurface& clock_;
    bool flash_inverted_ = false; // the flash's rounds draw the colours inverted
    ReentryGuard effect_running_;
};

} // namespace vistrel
