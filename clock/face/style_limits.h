// The ranges that the options dialog offers for the measured style values. A style file may hold
// anything (hand-edited, or from another version); the record keeps what was read so that it is
// saved back unchanged, and the painter draws from a copy brought into range.
#pragma once

#include "clock/settings/option_item.h"

namespace vistrel {

// option with every size, length, width, distance and font-size value clamped to its range, so
// that no divisor becomes zero and no length negative. Choice codes (layer order, hand, tick
// and frame styles, numeral type, text positions) are left as they are: the painter gives
// unknown codes a meaning of their own (nothing drawn, or the previous value kept).
TOptionItem ClampedForDrawing(const TOptionItem& option);

} // namespace vistrel
