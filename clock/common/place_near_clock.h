// Where a dialog opens: next to the clock window, kept on the screen. The options dialog, the
// alarm list editor, the style picker and the About window all follow this one rule.
#pragma once

#include "clock/common/geometry.h"

namespace vistrel {

// The dialog's top-left corner: its left edge at the clock's middle (flush with the screen's
// right edge where it would pass it, at 0 when the clock starts left of the screen), its top at
// the clock's bottom (above the clock where it would leave the screen at the bottom, at the
// clock's middle where that is above the screen).
Point PlaceNearClock(const Rect& clock, Size dialog, Size screen);

} // namespace vistrel
