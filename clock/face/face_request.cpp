#include "clock/face/face_request.h"

namespace vistrel {

FaceTime FaceTimeAt(TDateTime now) {
    const TimeParts t = DecodeTime(now);
    FaceTime ft;
    ft.now = now;
    ft.hour = t.hour;
    ft.minute = t.minute;
    ft.second = t.second;
    ft.angles = HandAnglesAt(t.hour, t.minute, t.second);
    return ft;
}

} // namespace vistrel
