// Starts a program by its command line.
#pragma once

#include <string>

namespace vistrel {

// Starts a command line without waiting for it; throws Error "Exec Error <n>" (n the system's
// error number) when the program cannot be started.
void StartCommandLine(const std::string& command_line);

} // namespace vistrel
