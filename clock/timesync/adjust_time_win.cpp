#include "clock/timesync/adjust_time_win.h"

#include "clock/timesync/adjust_network_win.h"
#include "clock/timesync/dialup_win.h"
#include "clock/timesync/sntp_info_win.h"

namespace vistrel {

void AdjustTime(const AdjustSettings& settings, const ClockSetter& set_clock, HWND clock_window,
                HWND owner) {
    // An alarm may ask for an adjustment while one waits for the network.
    if (AdjustTimeRunning()) return;
    WindowsAdjustNetwork network;
    WindowsDialUp dial_up;
    const std::unique_ptr<AdjustLog> log = CreateSntpInfo(owner, clock_window);
    RunAdjustTime(settings, *log, network, dial_up, set_clock);
}

} // namespace vistrel
