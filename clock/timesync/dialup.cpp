#include "clock/timesync/dialup.h"

namespace vistrel {

ConnectOutcome ConnectStep(DialUpPlatform& platform, const DialUpSettings& settings) {
    if (!platform.RasAvailable() || platform.RasConnectionCount() > 0) return {true, false};
    const bool connected = settings.auto_dial ? platform.AutoDial() : platform.AttemptConnect();
    return {connected, connected};
}

void HangUpStep(DialUpPlatform& platform, const DialUpSettings& settings,
                bool connected_by_this_run, bool failed) {
    if (!connected_by_this_run || !settings.auto_hang_up || !platform.RasAvailable()) return;
    if (failed && !settings.error_hang_up) return;
    platform.AutoDialHangUp();
}

} // namespace vistrel
