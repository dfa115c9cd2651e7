// The one source of the current local time for the tick, the scheduler and the renderer.
// Tests replace it with a clock of their own.
#pragma once

#include <functional>

#include "clock/common/date_time.h"

namespace vistrel {

TDateTime Now();

// Installs a replacement clock; an empty function restores the system's.
void SetNowForTests(std::function<TDateTime()> now);

namespace detail {
TDateTime SystemNow(); // platform twin
}

} // namespace vistrel
