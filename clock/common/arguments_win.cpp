#include "clock/common/arguments_win.h"

#include <windows.h>

#include <shellapi.h>

#include "clock/common/wide_win.h"

namespace vistrel {

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.push_back(Narrow(argv[i]));
    LocalFree(argv);
    return args;
}

} // namespace vistrel
