#include "clock/common/system_actions.h"

#include <utility>

namespace vistrel {

namespace {
// Constant-initialised, so a test support file may install its stand-in during static
// initialisation without an order problem.
constinit SystemActions* g_override = nullptr;
} // namespace

void EndSessionNow(SystemActions& system, unsigned flags) {
    system.EnableShutdownPrivilege();
    system.EndSession(flags);
}

SystemActions& CurrentSystemActions() {
    return g_override ? *g_override : detail::PlatformSystemActions();
}

SystemActions* SetSystemActionsForTests(SystemActions* actions) {
    return std::exchange(g_override, actions);
}

} // namespace vistrel
