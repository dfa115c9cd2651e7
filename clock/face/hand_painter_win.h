// Paints a hand described by DrawHand (hands.h) into the face and gives back its outline.
#pragma once

#include <windows.h>

#include "clock/common/handles_win.h"
#include "clock/face/hands.h"

namespace vistrel {

// Facets clipped to the hand's region, the flat face on top, the edge line inside the region.
// Returns the region (none for a style that draws nothing).
UniqueRegion PaintHand(HDC dc, const HandDrawing& hand);

} // namespace vistrel
