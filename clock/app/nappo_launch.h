// When the clock starts and ends the screen saver manager: on Windows 95 only, and never in a run
// started with "/ns" or whose start of the manager failed.
#pragma once

#include <optional>
#include <string>

namespace vistrel {

enum class NappoMoment { StartUp, Exit };

// The command line to run at that moment ("Nappo.exe" beside the clock, with "/e" at exit),
// or nothing. The path is quoted: a folder with blanks must not be read as a shorter program.
std::optional<std::string> NappoCommandLine(NappoMoment moment, bool is_windows95, bool start_nappo,
                                            const std::string& program_folder);

} // namespace vistrel
