#include "clock/common/system_actions.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/recording_system_actions.h"

using namespace vistrel;
using vistrel::test::RecordingSystemActions;

TEST(SystemActions, SessionEndsEnableThePrivilegeFirst) {
    RecordingSystemActions system;
    EndSessionNow(system, kExitShutdown);
    EndSessionNow(system, kExitShutdown | kExitPowerOff);
    EndSessionNow(system, kExitReboot);
    EXPECT_EQ(system.calls, (std::vector<std::string>{"privilege", "exit 1", "privilege", "exit 9",
                                                      "privilege", "exit 2"}));
    // A refusal by the system is not reported.
    system.answer = false;
    EXPECT_NO_THROW(EndSessionNow(system, kExitShutdown));
}

TEST(SystemActionsGuard, TestProgramNeverReachesTheRealActions) {
    // The test support installs a guard before any test runs; without it a forgotten stand-in
    // would set the clock or end the session of the machine running the tests.
    EXPECT_NE(&CurrentSystemActions(), &detail::PlatformSystemActions());
    EXPECT_NONFATAL_FAILURE(CurrentSystemActions().EndSession(kExitShutdown), "EndSession");
}
