#include "clock/alarm/date_math.h"

#include <gtest/gtest.h>

#include "clock/common/error.h"

using namespace vistrel;

TEST(DateMath, StepConstantsAreTheFixedDoubles) {
    EXPECT_EQ(kOneHour, 0.041666666666666664);
    EXPECT_EQ(kOneSecond, 1.1574074074074073e-05);
    const TDateTime x = EncodeDateTime(2026, 12, 8, 17, 45, 0, 0);
    EXPECT_EQ(NextHour(x), x + 0.041666666666666664);
    EXPECT_EQ(PrevSecond(x), x - 1.1574074074074073e-05);
    EXPECT_EQ(NextDay(x), x + 1);
}

TEST(DateMath, DateAndTimePartsSplitTowardZero) {
    const TDateTime x = EncodeDateTime(2026, 12, 8, 18, 0, 0, 0);
    EXPECT_EQ(DatePart(x), EncodeDate(2026, 12, 8));
    EXPECT_DOUBLE_EQ(TimePart(x), 0.75);
    EXPECT_EQ(DatePart(-1.25), -1.0);
    EXPECT_DOUBLE_EQ(TimePart(-1.25), -0.25);
}

TEST(DateMath, PrevSecondThirtyTimesReadsHalfAMinuteEarlier) {
    TDateTime t = EncodeDateTime(2026, 12, 8, 7, 0, 0, 0);
    for (int i = 0; i < 30; ++i) t = PrevSecond(t);
    const TimeParts p = DecodeTime(t);
    EXPECT_EQ(p.hour, 6);
    EXPECT_EQ(p.minute, 59);
    EXPECT_EQ(p.second, 30);
}

TEST(DateMath, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInMonth(EncodeDate(1900, 2, 14)), 28);
    EXPECT_EQ(DaysInMonth(EncodeDate(2000, 2, 1)), 29);
    EXPECT_EQ(DaysInMonth(EncodeDateTime(2026, 4, 30, 23, 59, 59, 999)), 30);
    EXPECT_EQ(DaysInMonth(EncodeDate(2026, 12, 31)), 31);
}

TEST(DateMath, ChangeMonthClampsTheDayAndDropsTheTime) {
    EXPECT_EQ(ChangeMonth(1, EncodeDateTime(2004, 1, 31, 9, 0, 0, 0)), EncodeDate(2004, 2, 29));
    EXPECT_EQ(ChangeMonth(1, EncodeDate(2026, 3, 31)), EncodeDate(2026, 4, 30));
    EXPECT_EQ(ChangeMonth(1, EncodeDate(2004, 12, 15)), EncodeDate(2005, 1, 15));
    EXPECT_EQ(ChangeMonth(-1, EncodeDate(2005, 1, 10)), EncodeDate(2004, 12, 10));
    EXPECT_EQ(ChangeMonth(-12, EncodeDate(2005, 3, 10)), EncodeDate(2004, 3, 10));
    EXPECT_EQ(ChangeMonth(12, EncodeDate(2024, 2, 29)), EncodeDate(2025, 2, 28));
    EXPECT_EQ(ChangeMonth(0, EncodeDateTime(2026, 5, 5, 5, 0, 0, 0)), EncodeDate(2026, 5, 5));
}

TEST(DateMath, ChangeMonthRefusesADeltaBeyondAYear) {
    for (int delta : {13, -13, 100}) {
        try {
            ChangeMonth(delta, EncodeDate(2005, 3, 10));
            ADD_FAILURE() << delta;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Delta is Over in TernDateTime.ChangeMonth function");
        }
    }
}

TEST(DateMath, NextMonthKeepsTheTimeOfDay) {
    EXPECT_EQ(NextMonth(EncodeDateTime(2003, 1, 31, 17, 45, 0, 0)),
              EncodeDateTime(2003, 2, 28, 17, 45, 0, 0));
    EXPECT_EQ(NextMonth(EncodeDateTime(2004, 1, 31, 17, 45, 0, 0)),
              EncodeDateTime(2004, 2, 29, 17, 45, 0, 0));
    EXPECT_EQ(NextMonth(EncodeDateTime(2026, 12, 8, 23, 59, 59, 0)),
              EncodeDateTime(2027, 1, 8, 23, 59, 59, 0));
}
