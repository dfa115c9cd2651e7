#include "clock/common/run_command.h"

#include <algorithm>
#include <utility>

#include "clock/common/error.h"
#include "clock/common/system_actions.h"
#include "clock/common/vocabulary.h"

namespace vistrel {

namespace {
AdjustTimeHandler& AdjustHandler() {
    static AdjustTimeHandler handler;
    return handler;
}

template <class Names> int IndexIn(const Names& names, const std::string& command) {
    const auto found = std::find(names.begin(), names.end(), command);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// The index of command in CommandNames (the built-in names while the list is not filled yet),
// or -1 when it names no built-in action. The built-in "no action" stays one whatever the
// language library calls it: alarm files written before the library was put in place hold it,
// and it must never be started as a program.
int BuiltInIndex(const std::string& command) {
    if (command == kBuiltInCommandNames[kCommandNone]) return kCommandNone;
    return CommandNames.empty() ? IndexIn(kBuiltInCommandNames, command)
                                : IndexIn(CommandNames, command);
}

unsigned ExitFlagsFor(int index) {
    switch (index) {
    case kCommandShutdown: return kExitShutdown;
    case kCommandPowerOff: return kExitShutdown | kExitPowerOff;
    default: return kExitReboot;
    }
}
} // namespace

void SetAdjustTimeHandler(AdjustTimeHandler handler) { AdjustHandler() = std::move(handler); }

void RunCommand(const std::string& command, const std::any& settings) {
    if (command.empty()) return;
    const int index = BuiltInIndex(command);
    switch (index) {
    case kCommandNone: return;
    case kCommandAdjustTime:
        if (!AdjustHandler()) throw Error("Time adjustment is not available");
        AdjustHandler()(settings);
        return;
    case kCommandShutdown:
    case kCommandPowerOff:
    case kCommandRestart: {
        SystemActions& system = CurrentSystemActions();
        system.EnableShutdownPrivilege();
        system.EndSession(ExitFlagsFor(index));
        return;
    }
    default: StartCommandLine(command);
    }
}

} // namespace vistrel
