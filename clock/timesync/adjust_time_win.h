// The clock adjustment as the menu command and the alarm action start it.
#pragma once

#include <windows.h>

#include "clock/timesync/adjust_time.h"

namespace vistrel {

// Runs one adjustment with the real network and dial-up, logging into a new window beside
// `clock_window`. `set_clock` is the program's system-actions seam. Does nothing while another
// adjustment runs. Throws TICMPException when echoes cannot be sent, and Error when the name
// lookup cannot be started.
void AdjustTime(const AdjustSettings& settings, const ClockSetter& set_clock, HWND clock_window,
                HWND owner = nullptr);

} // namespace vistrel
