// The real wake timer: the one system action that a test may call for real, since it only
// asks the system to resume from sleep at a time (a day ahead here) and is cancelled at once.
#include <gtest/gtest.h>

#include "clock/common/clock_source.h"
#include "clock/common/system_actions.h"

using namespace vistrel;

TEST(WakeTimer, TheSystemTakesTheTimerAndLetsItGo) {
    SystemActions& real = detail::PlatformSystemActions();
    EXPECT_TRUE(real.AimWakeTimer(Now() + 1.0));
    EXPECT_TRUE(real.AimWakeTimer(Now() + 2.0)) << "a second aim moves the same timer";
    real.CancelWakeTimer();
}
