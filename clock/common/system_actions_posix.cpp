// The host build only runs the portable tests: it never sets the clock or ends the session of
// the machine it runs on, so every action is refused here.
#include "clock/common/system_actions.h"

namespace vistrel::detail {

namespace {
class RefusingActions final : public SystemActions {
public:
    bool SetLocalClock(TDateTime) override { return false; }
    void EnableShutdownPrivilege() override {}
    bool EndSession(unsigned) override { return false; }
    void StartScreenSaver(void*) override {}
    bool AimWakeTimer(TDateTime) override { return false; }
    void CancelWakeTimer() override {}
};
} // namespace

SystemActions& PlatformSystemActions() {
    static RefusingActions actions;
    return actions;
}

} // namespace vistrel::detail
