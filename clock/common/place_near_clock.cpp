#include "clock/common/place_near_clock.h"

namespace vistrel {

Point PlaceNearClock(const Rect& clock, Size dialog, Size screen) {
    Point p;
    p.x = clock.left + clock.width() / 2;
    if (screen.width < p.x + dialog.width) {
        p.x = screen.width - dialog.width;
    } else if (clock.left <= 0) {
        p.x = 0;
    }
    p.y = clock.bottom;
    if (screen.height < p.y + dialog.height) p.y = clock.top - dialog.height;
    if (p.y < 0) p.y = clock.top + clock.height() / 2;
    return p;
}

} // namespace vistrel
