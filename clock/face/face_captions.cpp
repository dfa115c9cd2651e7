#include "clock/face/face_captions.h"

namespace vistrel {

bool DateSideFor(int date_char_pos, int hour, bool previous) {
    switch (date_char_pos) {
    case 0: return hour >= 0 && hour <= 11;
    case 1: // away from the hour hand: above while the hand points down
        return (hour >= 3 && hour <= 8) || (hour >= 15 && hour <= 20);
    case 2: return true;
    case 3: return false;
    default: return previous;
    }
}

bool TimeSideFor(int time_char_pos, bool date_side, bool previous) {
    switch (time_char_pos) {
    case 0: return !date_side;
    case 1: return true;
    case 2: return false;
    default: return previous;
    }
}

Point CaptionTopLeft(const FaceMetrics& face, TextExtent text, int in_out, bool above) {
    const int x = NearestRatio(static_cast<std::int64_t>(face.size) - text.width, 2);
    const int distance = NearestRatio(
        (static_cast<std::int64_t>(face.radius) - text.height) * ClampTo(in_out, 0, 20), 20);
    const int y = above ? face.centre.y - distance - text.height : face.centre.y + distance;
    return {x, y};
}

} // namespace vistrel
