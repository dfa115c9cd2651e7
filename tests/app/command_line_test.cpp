#include "clock/app/command_line.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(CommandLine, NoArgumentsKeepsTheDefaults) {
    const StartupFlags f = ParseCommandLine({});
    EXPECT_TRUE(f.start_nappo);
    EXPECT_EQ(f.wait_seconds, 0);
    EXPECT_FALSE(f.reset_fpu);
}

TEST(CommandLine, SwitchesInAnyOrderAndCase) {
    const StartupFlags f = ParseCommandLine({"/FPU", "other", "/WAIT:5", "/Ns"});
    EXPECT_FALSE(f.start_nappo);
    EXPECT_EQ(f.wait_seconds, 5);
    EXPECT_TRUE(f.reset_fpu);
    // Only the exact switch counts.
    EXPECT_TRUE(ParseCommandLine({"/nsx"}).start_nappo);
    EXPECT_FALSE(ParseCommandLine({"/fpu2"}).reset_fpu);
}

TEST(CommandLine, WaitReadsAtMostThreeDigits) {
    EXPECT_EQ(ParseCommandLine({"/wait:1234"}).wait_seconds, 123);
    EXPECT_EQ(ParseCommandLine({"/wait:7"}).wait_seconds, 7);
    EXPECT_EQ(ParseCommandLine({"/wait:999"}).wait_seconds, 999);
    // No number, a letter or a sign among characters 7 to 9: no wait.
    for (const char* arg : {"/wait:", "/wait:x", "/wait:1a", "/wait:-5", "/wait: 5", "/wait:+1"}) {
        EXPECT_EQ(ParseCommandLine({arg}).wait_seconds, 0) << arg;
    }
    // Characters after the ninth are not read at all.
    EXPECT_EQ(ParseCommandLine({"/wait:12x"}).wait_seconds, 0);
    EXPECT_EQ(ParseCommandLine({"/wait:120x"}).wait_seconds, 120);
}
