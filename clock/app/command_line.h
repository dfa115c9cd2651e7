// The clock's command line: "/ns", "/wait:N" (at most three digits), "/fpu".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

struct StartupFlags {
    bool start_nappo = true; // start the screen saver manager and end it at exit
    int wait_seconds = 0;    // sleep before anything visible happens
    bool reset_fpu = false;  // reset the floating-point control word at fixed points
};

// Applies one argument; arguments that match no switch are ignored.
void ApplyArgument(std::string_view argument, StartupFlags& flags);
StartupFlags ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace vistrel
