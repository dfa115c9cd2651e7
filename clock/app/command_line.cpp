#include "clock/app/command_line.h"

#include <algorithm>
#include <cctype>

namespace vistrel {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Characters 7 to 9 of "/wait:NNN". Anything but one to three digits there (a missing number,
// a letter, a sign) means no wait: starting late by accident is worse than starting at once.
int WaitSeconds(std::string_view argument) {
    const std::string_view digits = argument.substr(6, 3);
    if (digits.empty()) return 0;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

void ApplyArgument(std::string_view argument, StartupFlags& flags) {
    const std::string arg = Lower(argument);
    if (arg == "/ns") flags.start_nappo = false;
    if (arg.size() >= 6 && arg.compare(0, 6, "/wait:") == 0) flags.wait_seconds = WaitSeconds(arg);
    if (arg == "/fpu") flags.reset_fpu = true;
}

StartupFlags ParseCommandLine(const std::vector<std::string>& arguments) {
    StartupFlags flags;
    for (const auto& a : arguments) ApplyArgument(a, flags);
    return flags;
}

} // namespace vistrel
