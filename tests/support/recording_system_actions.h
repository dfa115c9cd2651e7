// A stand-in for the system actions that records what was asked of it and does nothing.
// Install it with ScopedSystemActions; every test program also runs under a guard that fails any
// test reaching the system actions without a stand-in of its own.
#pragma once

#include <string>
#include <vector>

#include "clock/common/system_actions.h"
#include "support/scoped_stand_in.h"

namespace vistrel::test {

class RecordingSystemActions : public SystemActions {
public:
    // "privilege", "exit <flags>", "clock <yyyy/mm/dd hh:mm:ss.zzz>", "screensaver",
    // "wake <yyyy/mm/dd hh:mm:ss>", "wake off".
    std::vector<std::string> calls;
    std::vector<TDateTime> clock_settings;
    bool answer = true; // what SetLocalClock and EndSession report

    bool SetLocalClock(TDateTime local) override;
    void EnableShutdownPrivilege() override;
    bool EndSession(unsigned flags) override;
    void StartScreenSaver(void* window) override;
    bool AimWakeTimer(TDateTime local) override;
    void CancelWakeTimer() override;
};

using ScopedSystemActions = ScopedStandIn<SystemActions, &SetSystemActionsForTests>;

} // namespace vistrel::test
