// The clock's drawing: the face painter with its images, the screen it draws for, and the
// layered-window call that gives the window its outline and its translucency.
#pragma once

#include <windows.h>

#include <vector>

#include "clock/alarm/alarm_item.h"
#include "clock/app/clock_surface_win.h"
#include "clock/common/date_time.h"
#include "clock/face/alarm_marks.h"
#include "clock/face/face_painter_win.h"
#include "clock/face/face_request.h"

namespace vistrel {

class ClockDrawing {
public:
    explicit ClockDrawing(ClockSurface& clock) : clock_(clock) {}
    ClockDrawing(const ClockDrawing&) = delete;
    ClockDrawing& operator=(const ClockDrawing&) = delete;

    // Finds the layered-window call and the screen's traits. The painter's error boxes call
    // `hooks` around themselves (the tick stands still meanwhile).
    void Start(LayerGuards::BoxHooks hooks);

    // Layered windows exist here (every system since 2000).
    bool Layered() const { return set_layered_ != nullptr; }
    // The window layered where it can be, at the settings' translucency.
    void ApplyTranslucency();
    // The window's alpha (0-255, clamped) with its colour key; alpha applies only when
    // translucency is on.
    void SetAlpha(int alpha);

    // Draws the face in `shown` (the settings, or a flash round's colours) at `time` with the
    // alarms' marks, and shows it. `hole_active` cuts the see-through hole around the cursor.
    void Draw(const TOptionItem& shown, TDateTime time, const AlarmList& alarms, bool hole_active);
    // The paint handler's copy of the last drawing.
    void PaintTo(HDC dc) const { painter_.PaintTo(dc); }
    // The side of the centre the face draws its date text on (the alarm board keeps clear).
    bool DateSide() const { return painter_.DateSide(); }

private:
    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    ClockSurface& clock_;
    FacePainter painter_;
    ScreenTraits screen_;
    std::vector<AlarmMarkSource> marks_; // reused between drawings
    SetLayeredFn set_layered_ = nullptr;
};

} // namespace vistrel
