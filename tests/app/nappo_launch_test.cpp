#include "clock/app/nappo_launch.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(NappoCommandLine, OnlyOnWindows95AndNotWithNs) {
    const std::string folder = "C:\\Program Files\\Vistrel\\";
    struct Case {
        NappoMoment moment;
        bool win95, start;
        std::optional<std::string> line;
    } cases[] = {
        {NappoMoment::StartUp, true, true, "\"C:\\Program Files\\Vistrel\\Nappo.exe\""},
        {NappoMoment::Exit, true, true, "\"C:\\Program Files\\Vistrel\\Nappo.exe\" /e"},
        {NappoMoment::StartUp, false, true, std::nullopt},
        {NappoMoment::Exit, false, true, std::nullopt},
        {NappoMoment::StartUp, true, false, std::nullopt}, // "/ns", or a failed start
        {NappoMoment::Exit, true, false, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NappoCommandLine(c.moment, c.win95, c.start, folder), c.line)
            << static_cast<int>(c.moment) << c.win95 << c.start;
    }
}

} // namespace
} // namespace vistrel
