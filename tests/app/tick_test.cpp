#include "clock/app/tick.h"

#include <gtest/gtest.h>

using namespace vistrel;

namespace {
TDateTime At(int h, int n, int s, int ms = 0) { return EncodeDateTime(2026, 12, 8, h, n, s, ms); }
} // namespace

TEST(Tick, WorksOnlyWhenTheSecondChanges) {
    TickState st;
    EXPECT_TRUE(RunTick(st, At(7, 0, 0, 10), {}, false).new_second);
    EXPECT_FALSE(RunTick(st, At(7, 0, 0, 900), {}, false).new_second);
    EXPECT_TRUE(RunTick(st, At(7, 0, 1, 5), {}, false).new_second);
}

TEST(Tick, FirstTickAlwaysCatchesUp) {
    TickState st;
    const TickResult r = RunTick(st, At(7, 0, 0), {}, false);
    EXPECT_TRUE(r.catch_up);
    EXPECT_TRUE(r.redraw);
}

TEST(Tick, CatchUpOnlyAfterAJumpOfTwoMinutesOrMore) {
    TickState st;
    RunTick(st, At(7, 0, 0), {}, false);
    EXPECT_FALSE(RunTick(st, At(7, 1, 0), {}, false).catch_up); // the clock set forward 1 minute
    EXPECT_TRUE(RunTick(st, At(7, 6, 0), {}, false).catch_up);  // set forward 5 minutes
    EXPECT_FALSE(RunTick(st, At(7, 6, 1), {}, false).catch_up);
}

TEST(Tick, RedrawsEverySecondOnlyWhenSecondsAreShown) {
    TickState st;
    RunTick(st, At(7, 0, 0), {}, false);
    EXPECT_FALSE(RunTick(st, At(7, 0, 1), {}, false).redraw);
    EXPECT_TRUE(RunTick(st, At(7, 1, 0), {}, false).redraw); // a new minute
    EXPECT_TRUE(RunTick(st, At(7, 1, 1), {true, false, false}, false).redraw);
    EXPECT_TRUE(RunTick(st, At(7, 1, 2), {false, false, true}, false).redraw);
    // Never while minimised, and the minute is then not taken as seen.
    EXPECT_FALSE(RunTick(st, At(7, 2, 0), {true, false, false}, true).redraw);
    EXPECT_TRUE(RunTick(st, At(7, 2, 1), {}, false).redraw);
}

TEST(Tick, HandAngles) {
    const DisplayTime d = MakeDisplayTime(At(15, 59, 30));
    EXPECT_EQ(d.second_angle, 180);
    EXPECT_EQ(d.minute_angle, 354);
    EXPECT_EQ(d.hour_angle, 119); // 3 * 30 + 29.5, whole part
    EXPECT_EQ(MakeDisplayTime(At(0, 0, 0)).hour_angle, 0);
    EXPECT_EQ(MakeDisplayTime(At(12, 30, 0)).hour_angle, 15);
}

TEST(Tick, TimerAimsJustPastTheNextSecond) {
    EXPECT_EQ(MillisecondsToNextSecond(At(7, 0, 0, 0), 20), 1020);
    EXPECT_EQ(MillisecondsToNextSecond(At(7, 0, 0, 990), 20), 30);
}

TEST(Tick, MinimizedTitleFollowsTheDateOverMidnight) {
    const DateTextForm form{0, 3, true}; // yyyy/m/d, "Tue"
    EXPECT_EQ(MinimizedTitle(EncodeDateTime(2026, 12, 8, 23, 59, 59, 0), form),
              "2026/12/8 Tue 23:59:59");
    EXPECT_EQ(MinimizedTitle(EncodeDateTime(2026, 12, 9, 0, 0, 0, 0), form),
              "2026/12/9 Wed 00:00:00");
}
