// The one table of the numbers in the settings and style files, with the range the options
// dialog gives each. The readers bring a hand-edited measure into its range as the dialog would
// (a time-out of 3000000 seconds would overflow the wait in milliseconds; an escape speed of 7
// would run the clock toward the cursor). Choice codes are kept as read: every code outside the
// list has a meaning of its own (a layer that draws nothing, the previous hand style kept).
// The file itself keeps what was written until the program saves the record again.
#pragma once

#include <span>
#include <string>

#include "clock/settings/option_item.h"

namespace vistrel {

struct ValueRange {
    const char* section;
    const char* key;
    int TOptionItem::*field;
    int low, high;
    bool clamped; // a measure brought into range; false: a choice code kept as read
};

std::span<const ValueRange> ValueRanges();

// The table's entry of a field (with `clamped`); throws vistrel::Error for a field not in it.
const ValueRange& RangeOf(int TOptionItem::*field);

// Every measure of the table brought into its range.
void ClampToRanges(TOptionItem& option);

} // namespace vistrel
