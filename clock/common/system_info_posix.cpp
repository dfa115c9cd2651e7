// The host build runs only the portable tests; it is no Windows system of any version.
#include <pwd.h>
#include <unistd.h>

#include "clock/common/system_info.h"

namespace vistrel {

bool IsWindows95() { return false; }
bool IsWindowsNT5() { return false; }
bool IsWindowsNT() { return false; }
bool RasAvailable() { return false; }

std::string CurrentUserName() {
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) != 0 || found == nullptr ||
        found->pw_name == nullptr || found->pw_name[0] == '\0') {
        return kFallbackUserName;
    }
    return found->pw_name;
}

// No screen on the host: the depth of a true-colour display.
int ScreenColourDepth() { return 32; }

} // namespace vistrel
