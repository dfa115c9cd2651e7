#include "clock/timesync/adjust_log_format.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(AdjustLogFormat, TimeStamps) {
    EXPECT_EQ(FormatLogTime(EncodeDateTime(2026, 12, 7, 20, 40, 10, 123)),
              "26/12/07 20:40:10 123ms");
    EXPECT_EQ(FormatLogTime(EncodeDateTime(2009, 1, 2, 3, 4, 5, 6)), "09/01/02 03:04:05 006ms");
    EXPECT_EQ(FormatLogTime(EncodeDateTime(2100, 3, 1, 0, 0, 0, 0)), "00/03/01 00:00:00 000ms");
    EXPECT_EQ(FormatLogTime(EncodeDateTime(2026, 12, 31, 23, 59, 59, 999)),
              "26/12/31 23:59:59 999ms");
}

TEST(AdjustLogFormat, DirectionAndSizeOfTheChange) {
    const TDateTime local = EncodeDateTime(2026, 12, 7, 20, 40, 10, 0);
    const double ms = 1.0 / 86400000;
    EXPECT_EQ(FormatClockChange(local + 1250 * ms, local), "00:00:01 250ms 時間を進めました");
    EXPECT_EQ(FormatClockChange(local - 1250 * ms, local), "00:00:01 250ms 時間を戻しました");
    EXPECT_EQ(FormatClockChange(local, local), "00:00:00 000ms 時間を戻しました");
    EXPECT_EQ(FormatClockChange(local + 1 * ms, local), "00:00:00 001ms 時間を進めました");
    EXPECT_EQ(FormatClockChange(local + 3.0 / 24 + 25.0 / 1440, local),
              "03:25:00 000ms 時間を進めました");
    // A day and more: only the time of day of the difference.
    EXPECT_EQ(FormatClockChange(local + 1 + 2.0 / 24, local), "02:00:00 000ms 時間を進めました");
    EXPECT_EQ(FormatClockChange(local - 3 - 5000 * ms, local), "00:00:05 000ms 時間を戻しました");
    EXPECT_EQ(FormatClockChange(local + 1, local), "00:00:00 000ms 時間を進めました");
}

TEST(AdjustLogFormat, DelayIsHalfTheRoundTrip) {
    const auto check = [](int average, int seconds, int ms) {
        const DelayCorrection d = OneWayDelay(average);
        EXPECT_EQ(d.seconds, seconds) << average;
        EXPECT_EQ(d.ms, ms) << average;
    };
    check(30, 0, 15);
    check(31, 0, 15);
    check(0, 0, 0);
    check(1999, 0, 999);
    check(2000, 1, 0);
    check(4001, 2, 0);
    const TDateTime t = EncodeDateTime(2026, 12, 31, 23, 59, 59, 500);
    EXPECT_EQ(AddDelay(t, {1, 600}), EncodeDateTime(2027, 1, 1, 0, 0, 1, 100));
    EXPECT_EQ(AddDelay(t, {0, 0}), t);
}
