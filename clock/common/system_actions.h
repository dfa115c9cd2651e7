// The actions that reach beyond this program: setting the computer's clock, ending the Windows
// session, starting the screen saver and waking a sleeping computer. Every caller goes through this
// one interface, so that tests can put a recording stand-in in place of the real thing (tests run
// as root under Wine, where the real calls would set this machine's clock or end the session).
#pragma once

#include "clock/common/date_time.h"

namespace vistrel {

// How the session ends; the values are those of ExitWindowsEx.
enum ExitWindowsFlags : unsigned {
    kExitShutdown = 0x01,
    kExitReboot = 0x02,
    kExitPowerOff = 0x08,
};

class SystemActions {
public:
    virtual ~SystemActions() = default;

    // Sets the computer's clock to a local time (to the millisecond). False when the system
    // refused, for instance for lack of rights.
    virtual bool SetLocalClock(TDateTime local) = 0;
    // Enables the shutdown privilege of this process; failures are of no interest, because the
    // shutdown that follows reports its own refusal.
    virtual void EnableShutdownPrivilege() = 0;
    // Asks the system to end the session; false when it refused.
    virtual bool EndSession(unsigned flags) = 0;
    // Starts the screen saver on behalf of a window (an HWND on Windows).
    virtual void StartScreenSaver(void* window) = 0;
    // Keeps the program's one wake timer aimed at a local time: a sleeping computer whose power
    // settings allow wake timers resumes then. A later call re-aims it. False when the system
    // refused.
    virtual bool AimWakeTimer(TDateTime local) = 0;
    virtual void CancelWakeTimer() = 0;
};

// Ends the session the way flags say: enables the shutdown privilege first, then asks the system
// (a refusal is not reported).
void EndSessionNow(SystemActions& system, unsigned flags);

// The actions in force: the system's own, or the stand-in a test installed.
SystemActions& CurrentSystemActions();

// Installs a stand-in (nullptr restores the system's own) and returns the one it replaced.
SystemActions* SetSystemActionsForTests(SystemActions* actions);

namespace detail {
SystemActions& PlatformSystemActions(); // platform twin
}

} // namespace vistrel
