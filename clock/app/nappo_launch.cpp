#include "clock/app/nappo_launch.h"

namespace vistrel {

std::optional<std::string> NappoCommandLine(NappoMoment moment, bool is_windows95, bool start_nappo,
                                            const std::string& program_folder) {
    if (!is_windows95 || !start_nappo) return std::nullopt;
    std::string line = "\"" + program_folder + "Nappo.exe\"";
    if (moment == NappoMoment::Exit) line += " /e";
    return line;
}

} // namespace vistrel
