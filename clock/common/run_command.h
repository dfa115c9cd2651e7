// Runs an alarm's action or a program: the built-in actions by their names in CommandNames,
// anything else as a command line.
#pragma once

#include <any>
#include <functional>
#include <string>

namespace vistrel {

// Runs command:
//  - empty, or CommandNames[kCommandNone]: nothing;
//  - CommandNames[kCommandAdjustTime]: the clock adjustment, given the settings;
//  - CommandNames[kCommandShutdown/PowerOff/Restart]: enables the shutdown privilege and asks
//    the system to end the session (a refusal is not reported);
//  - anything else: starts it as a command line and returns at once without waiting for it.
// The names are compared exactly, case included. settings is the caller's copy of the settings
// record (a TOptionItem), handed on to the clock adjustment. Throws Error "Exec Error <n>" (n the
// system's error number) when a program cannot be started.
void RunCommand(const std::string& command, const std::any& settings = {});

// The clock adjustment that the adjust action runs, given the settings copy of RunCommand.
// Registered by the time synchronisation at start-up; an empty function unregisters it. While
// none is registered the adjust action raises an Error.
using AdjustTimeHandler = std::function<void(const std::any& settings)>;
void SetAdjustTimeHandler(AdjustTimeHandler handler);

// Starts a command line without waiting; throws Error "Exec Error <n>" on failure.
void StartCommandLine(const std::string& command_line);

} // namespace vistrel
