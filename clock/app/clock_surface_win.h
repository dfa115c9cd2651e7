// What the clock window's parts (the tick, the drawing, the alarms, the lock, the drag and
// resize, the effects, the anchor) ask of the window itself: its handle, its live settings, its
// place, and its drawing. The window implements it; a part holds no other part and touches no
// state of the window's own.
#pragma once

#include <windows.h>

#include "clock/common/geometry.h"
#include "clock/settings/option_item.h"

namespace vistrel {

class ClockSurface {
public:
    virtual HWND Handle() const = 0;
    virtual const TOptionItem& Options() const = 0;
    // The window's rectangle on the screen, and a new one for it.
    virtual Rect Bounds() const = 0;
    virtual void PlaceWindow(const Rect& r) = 0;
    // The size kept in the settings, in 96-DPI pixels.
    virtual void KeepSize(int size) = 0;
    // The corner anchor follows a move.
    virtual void UpdateAnchor() = 0;
    virtual void Redraw() = 0;
    // Layered windows exist here; the window's alpha (0-255) with its colour key.
    virtual bool Layered() const = 0;
    virtual void SetLayeredAlpha(int alpha) = 0;
    // The stay-on-top state put back after a move of the window's own.
    virtual void RenewTopmost() = 0;

protected:
    ~ClockSurface() = default;
};

} // namespace vistrel
