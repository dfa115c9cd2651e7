// What one render of the face needs besides the style: the window's size, the time it shows,
// the alarms ahead, the see-through hole and a few window flags.
#pragma once

#include <span>

#include "clock/common/date_time.h"
#include "clock/face/alarm_marks.h"
#include "clock/face/face_math.h"
#include "clock/face/hands.h"

namespace vistrel {

// The screen the clock shows on: gradations are switched off below 16 bits per pixel. Its DPI
// plays no part: the face's fonts are sized in proportion to the face (kFaceFontDpi).
struct ScreenTraits {
    int bits_per_pixel = 32;
};

// One reading of the clock: the date-time the texts show and the hand positions.
struct FaceTime {
    TDateTime now = 0;
    int hour = 0, minute = 0, second = 0;
    HandAngles angles;
};
FaceTime FaceTimeAt(TDateTime now);

struct FaceRequest {
    int size = 133;       // the clock's edge in pixels
    int client_width = 0; // 0: the same as size
    int client_height = 0;
    FaceTime time;
    std::span<const AlarmMarkSource> alarms; // ascending by next time
    bool minimized = false;         // nothing is drawn while the clock is a task-bar button
    bool hole_active = false;       // cut the see-through hole around `cursor`
    Point cursor;                   // client coordinates
    bool weekday_after_date = true; // "2024/5/1 Wed" rather than "Wed 2024/5/1"
    bool reset_fpu = false;         // reset the floating-point unit around every layer
    ScreenTraits screen;
};

} // namespace vistrel
