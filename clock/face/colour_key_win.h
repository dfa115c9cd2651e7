// Turns a rendered face into a colour-keyed picture for a layered window.
#pragma once

#include <windows.h>

#include "clock/face/dib_canvas_win.h"

namespace vistrel {

// The key of the clock window: the pixels of this colour are not part of the window.
constexpr COLORREF kFaceShapeKey = RGB(255, 0, 255);

// Moves the drawn pixels of a 32-bit face off the key, then paints everything outside the
// outline in the key colour. Without an outline the whole square stays, as a window without a
// region shows it.
void KeyOutside(DibCanvas& face, HRGN outline, COLORREF key);

} // namespace vistrel
