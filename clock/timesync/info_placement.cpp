#include "clock/timesync/info_placement.h"

namespace vistrel {

Point PlaceInfoWindow(const Rect& clock, int width, int height, int screen_height) {
    Point p;
    p.x = clock.left - width;
    if (p.x < 0) p.x = clock.right;
    if (clock.top + height > screen_height) {
        p.y = screen_height - height;
    } else {
        p.y = clock.top < 0 ? 0 : clock.top;
    }
    return p;
}

} // namespace vistrel
