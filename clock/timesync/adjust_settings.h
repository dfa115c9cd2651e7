// The settings an adjustment takes from the settings record.
#pragma once

#include "clock/settings/option_item.h"
#include "clock/timesync/adjust_time.h"

namespace vistrel {

AdjustSettings AdjustSettingsFrom(const TOptionItem& option);

} // namespace vistrel
