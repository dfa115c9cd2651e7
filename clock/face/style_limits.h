// The painter's guard on the measured style values. The readers already bring every measure into
// the range the options dialog offers (value_ranges); the painter draws from a copy brought into
// range once more, so that a record from anywhere else can make no divisor zero and no length
// negative either.
#pragma once

#include "clock/settings/option_item.h"

namespace vistrel {

// option with every size, length, width, distance and font-size value clamped to its range.
// Choice codes (layer order, hand, tick and frame styles, numeral type, text positions) are left
// as they are: the painter gives unknown codes a meaning of their own (nothing drawn, or the
// previous value kept).
TOptionItem ClampedForDrawing(const TOptionItem& option);

} // namespace vistrel
