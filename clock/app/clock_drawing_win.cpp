#include "clock/app/clock_drawing_win.h"

#include <utility>

#include "clock/common/fpu.h"
#include "clock/common/vocabulary.h"
#include "clock/face/colour_key_win.h"
#include "clock/face/gdi_paint_win.h"

namespace vistrel {

void ClockDrawing::Start(LayerGuards::BoxHooks hooks) {
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
        set_layered_ = reinterpret_cast<SetLayeredFn>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
    }
    // A layered window takes its outline from a colour key: far cheaper to change every second
    // than a window region. Without layered windows the region stays.
    if (set_layered_) painter_.SetShapeKey(kFaceShapeKey);
    screen_ = QueryScreenTraits();
    painter_.SetBoxHooks(std::move(hooks));
}

void ClockDrawing::ApplyTranslucency() {
    const HWND window = clock_.Handle();
    LONG_PTR ex = GetWindowLongPtrW(window, GWL_EXSTYLE);
    ex = set_layered_ ? (ex | WS_EX_LAYERED) : (ex & ~WS_EX_LAYERED);
    SetWindowLongPtrW(window, GWL_EXSTYLE, ex);
    const TOptionItem& options = clock_.Options();
    SetAlpha(options.UseTrans ? options.Trans : 255);
}

void ClockDrawing::SetAlpha(int alpha) {
    if (!set_layered_) return;
    const BYTE a = static_cast<BYTE>(alpha < 0 ? 0 : alpha > 255 ? 255 : alpha);
    set_layered_(clock_.Handle(), kFaceShapeKey, a,
                 LWA_COLORKEY | (clock_.Options().UseTrans ? LWA_ALPHA : 0));
}

void ClockDrawing::Draw(const TOptionItem& shown, TDateTime time, const AlarmList& alarms,
                        bool hole_active) {
    const HWND window = clock_.Handle();
    marks_.clear();
    for (const TAlarmItem& a : alarms) {
        marks_.push_back({a.mark, static_cast<Colour>(a.colour), a.next_time});
    }
    FaceRequest request;
    request.size = clock_.Bounds().width();
    request.time = FaceTimeAt(time);
    request.alarms = marks_;
    request.hole_active = hole_active;
    if (hole_active) request.cursor = CursorInClient(window);
    request.weekday_after_date = WeekdayAfterDate;
    request.reset_fpu = ResetFpuEnabled();
    request.screen = screen_;
    painter_.RenderClock(window, shown, request);
}

} // namespace vistrel
