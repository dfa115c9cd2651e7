#include "clock/timesync/info_placement.h"

namespace vistrel {

ScreenPoint PlaceInfoWindow(const ScreenRect& clock, int width, int height, int screen_height) {
    ScreenPoint p;
    p.x = clock.left - width;
    if (p.x < 0) p.x = clock.left + clock.width;
    if (clock.top + height > screen_height) {
        p.y = screen_height - height;
    } else {
        p.y = clock.top < 0 ? 0 : clock.top;
    }
    return p;
}

} // namespace vistrel
