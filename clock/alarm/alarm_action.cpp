#include "clock/alarm/alarm_action.h"

#include <algorithm>

#include "clock/common/system_actions.h"
#include "clock/common/vocabulary.h"

namespace vistrel {

namespace {
template <class Names> int IndexIn(const Names& names, const std::string& text) {
    const auto found = std::find(names.begin(), names.end(), text);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

// The index of text in CommandNames (the built-in names while the list is not filled yet),
// or -1 when it names no built-in action. The built-in "no action" stays one whatever the
// language library calls it: alarm files written before the library was put in place hold it,
// and it must never be started as a program.
int BuiltInIndex(const std::string& text) {
    if (text == kBuiltInCommandNames[kCommandNone]) return kCommandNone;
    return CommandNames.empty() ? IndexIn(kBuiltInCommandNames, text) : IndexIn(CommandNames, text);
}
} // namespace

AlarmAction ActionOf(const std::string& text) {
    if (text.empty()) return NoAction{};
    switch (BuiltInIndex(text)) {
    case kCommandNone: return NoAction{};
    case kCommandAdjustTime: return AdjustTimeAction{};
    case kCommandShutdown: return EndSessionAction{kExitShutdown};
    case kCommandPowerOff: return EndSessionAction{kExitShutdown | kExitPowerOff};
    case kCommandRestart: return EndSessionAction{kExitReboot};
    default: return StartProgramAction{text};
    }
}

} // namespace vistrel
