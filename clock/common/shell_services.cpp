#include "clock/common/shell_services.h"

#include <utility>

namespace vistrel {

namespace {
// Constant-initialised, so a test support file may install its stand-in during static
// initialisation without an order problem.
constinit ShellServices* g_override = nullptr;
} // namespace

ShellServices& CurrentShellServices() {
    return g_override ? *g_override : detail::PlatformShellServices();
}

ShellServices* SetShellServicesForTests(ShellServices* services) {
    return std::exchange(g_override, services);
}

} // namespace vistrel
