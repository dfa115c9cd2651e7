#include "clock/face/face_captions.h"

namespace vistrel {

bool DateSideFor(int dateCharPos, int hour, bool previous) {
    switch (dateCharPos) {
    case 0: return hour >= 0 && hour <= 11;
    case 1: // away from the hour hand: above while the hand points down
        return (hour >= 3 && hour <= 8) || (hour >= 15 && hour <= 20);
    case 2: return true;
    case 3: return false;
    default: return previous;
    }
}

bool TimeSideFor(int timeCharPos, bool dateSide, bool previous) {
    switch (timeCharPos) {
    case 0: return !dateSide;
    case 1: return true;
    case 2: return false;
    default: return previous;
    }
}

Point CaptionTopLeft(const FaceMetrics& face, TextExtent text, int inOut, bool above) {
    const int x = NearestRatio(static_cast<std::int64_t>(face.size) - text.width, 2);
    const int distance =
        NearestRatio((static_cast<std::int64_t>(face.radius) - text.height) * ClampTo(inOut, 0, 20), 20);
    const int y = above ? face.centre.y - distance - text.height : face.centre.y + distance;
    return {x, y};
}

} // namespace vistrel
