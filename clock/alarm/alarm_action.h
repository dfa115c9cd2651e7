// An alarm's action text as what it asks for: nothing, the time adjustment, the end of the
// session, or a program to start. The clock window carries the value out; this only decides.
#pragma once

#include <string>
#include <variant>

namespace vistrel {

struct NoAction {
    friend bool operator==(const NoAction&, const NoAction&) = default;
};
struct AdjustTimeAction {
    friend bool operator==(const AdjustTimeAction&, const AdjustTimeAction&) = default;
};
struct EndSessionAction {
    unsigned flags = 0; // ExitWindowsFlags
    friend bool operator==(const EndSessionAction&, const EndSessionAction&) = default;
};
struct StartProgramAction {
    std::string command_line;
    friend bool operator==(const StartProgramAction&, const StartProgramAction&) = default;
};

using AlarmAction = std::variant<NoAction, AdjustTimeAction, EndSessionAction, StartProgramAction>;

// The action an alarm's text names. The built-in actions are recognised by their names in
// CommandNames (the built-in Japanese names while the list is not filled yet), compared exactly,
// case included: stored alarm files hold these names. Empty text is no action; any other text
// is a command line.
AlarmAction ActionOf(const std::string& text);

} // namespace vistrel
