#include "clock/face/style_limits.h"

#include "clock/settings/value_ranges.h"

namespace vistrel {

TOptionItem ClampedForDrawing(const TOptionItem& option) {
    TOptionItem o = option;
    ClampToRanges(o);
    return o;
}

} // namespace vistrel
