// The program's command-line arguments (without the program name), as UTF-8.
#pragma once

#include <string>
#include <vector>

namespace vistrel {

std::vector<std::string> CommandLineArguments();

} // namespace vistrel
