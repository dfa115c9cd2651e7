// Taking over changed options, and the two attention effects an alarm plays on the clock.
#include "clock/app/main_window_win.h"

#include <random>
#include <utility>

#include "clock/app/cursors_win.h"
#include "clock/common/colour.h"
#include "clock/face/face_math.h"

namespace vistrel {

namespace {
constexpr DWORD kEffectRoundMs = 30;
}

void TfrmVistrel::ApplyOptions(const TOptionItem& working) {
    const bool layered_changed = working.UseTrans != option_.UseTrans;
    const bool lock_changed = working.Locked != option_.Locked;
    option_ = working;
    if (lock_changed) {
        // The lock command toggles; start from the old state so it lands on the new one.
        option_.Locked = !working.Locked;
        LockCmd1();
    }
    if (layered_changed || option_.UseTrans) ApplyTranslucency();
    UpdateTrayIcon();
    Redraw();
    UpdateWakeTimer(); // the alarm switch or the wake setting may have changed
    POINT p;
    GetCursorPos(&p);
    if (WindowFromPoint(p) == hwnd()) SetCursor(CursorFor(option_.PointType));
}

bool TfrmVistrel::PaceRound(DWORD& round_start) {
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

void TfrmVistrel::FlashColours(int n) {
    // The rounds draw the live settings with their colours turned, without touching them: the
    // options dialog may change or restore the settings while the flash runs.
    struct Inverted {
        bool& on;
        ~Inverted() { on = false; }
    } inverted{flash_inverted_};
    DWORD round_start = GetTickCount();
    for (int i = 0; i <= n; ++i) {
        flash_inverted_ = !flash_inverted_;
        Redraw();
        UpdateWindow(hwnd());
        if (!PaceRound(round_start)) break;
    }
    flash_inverted_ = false;
    Redraw();
    ProcessMessages();
}

void TfrmVistrel::ShakeWindow(int n) {
    std::mt19937 random{std::random_device{}()};
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const Rect home = Bounds();
    DWORD round_start = GetTickCount();
    for (int i = 0; i <= n; ++i) {
        const int x = home.left - Nearest(10 * unit(random)) + 5;
        const int y = home.top - Nearest(10 * unit(random)) + 5;
        SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (!PaceRound(round_start)) break;
    }
    SetWindowPos(hwnd(), nullptr, home.left, home.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app_.SetTopmost(window_.StayOnTop);
    ProcessMessages();
}

} // namespace vistrel
