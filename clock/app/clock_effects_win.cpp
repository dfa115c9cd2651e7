// The two attention effects an alarm plays on the clock.
#include "clock/app/clock_effects_win.h"

#include <random>
#include <utility>

#include "clock/common/message_loop_win.h"
#include "clock/common/colour.h"
#include "clock/face/face_math.h"

namespace vistrel {

namespace {
constexpr DWORD kEffectRoundMs = 30;
}

bool ClockEffects::PaceRound(DWORD& round_start) {
    if (ProcessMessages()) return false; // the program is closing: the effect ends here
    const DWORD spent = GetTickCount() - round_start;
    if (spent < kEffectRoundMs) Sleep(kEffectRoundMs - spent);
    round_start = GetTickCount();
    return true;
}

TOptionItem FlashedColours(TOptionItem o) {
    std::swap(o.ColorH, o.ColorM);
    for (TColor* c : {&o.ColorD, &o.ColorT, &o.Color5, &o.ColorT2, &o.Color52, &o.ColorB1,
                      &o.ColorB2, &o.ColorFrame, &o.ColorFrameE, &o.ColorTime}) {
        *c = InvertColour(*c);
    }
    return o;
}

void ClockEffects::FlashColours(int n) {
    const auto running = effect_running_.Enter();
    if (!running) return;
    // The rounds draw the live settings with their colours turned, without touching them: the
    // options dialog may change or restore the settings while the flash runs.
    struct Inverted {
        bool& on;
        ~Inverted() { on = false; }
    } inverted{flash_inverted_};
    DWORD round_start = GetTickCount();
    for (int i = 0; i <= n; ++i) {
        flash_inverted_ = !flash_inverted_;
        clock_.Redraw();
        UpdateWindow(clock_.Handle());
        if (!PaceRound(round_start)) break;
    }
    flash_inverted_ = false;
    clock_.Redraw();
    ProcessMessages();
}

void ClockEffects::ShakeWindow(int n) {
    const auto running = effect_running_.Enter();
    if (!running) return;
    std::mt19937 random{std::random_device{}()};
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const Rect home = clock_.Bounds();
    DWORD round_start = GetTickCount();
    for (int i = 0; i <= n; ++i) {
        const int x = home.left - Nearest(10 * unit(random)) + 5;
        const int y = home.top - Nearest(10 * unit(random)) + 5;
        SetWindowPos(clock_.Handle(), nullptr, x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (!PaceRound(round_start)) break;
    }
    SetWindowPos(clock_.Handle(), nullptr, home.left, home.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    clock_.RenewTopmost();
    ProcessMessages();
}

} // namespace vistrel
