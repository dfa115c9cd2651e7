// The small borderless window that shows an adjustment's log beside the clock.
#pragma once

#include <windows.h>

#include <memory>

#include "clock/timesync/adjust_time.h"

namespace vistrel {

inline constexpr UINT kInfoCloseAfterMs = 7000;

// Creates the hidden log window of one run. The window outlives the returned log when it was
// finished (it closes itself `close_after_ms` later); once it is gone the log writes nowhere.
// `clock_window` is what it is placed beside; `owner` owns it (the program's hidden owner
// window; none until that exists).
std::unique_ptr<AdjustLog> CreateSntpInfo(HWND owner, HWND clock_window,
                                          UINT close_after_ms = kInfoCloseAfterMs);

// The log window's handle while it exists, for tests; null afterwards.
HWND SntpInfoWindowOf(const AdjustLog& log);

} // namespace vistrel
