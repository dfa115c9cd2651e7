// Where the adjustment log goes: beside the clock, kept on the screen.
#pragma once

#include "clock/common/geometry.h"

namespace vistrel {

// Left of the clock, or right of it when the left edge has no room; level with the clock's top
// (the screen's top when the clock reaches above it), lifted where its bottom would leave the
// screen.
Point PlaceInfoWindow(const Rect& clock, int width, int height, int screen_height);

} // namespace vistrel
