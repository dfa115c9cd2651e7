#include "clock/common/date_time.h"

#include <gtest/gtest.h>

#include "clock/common/error.h"

using namespace vistrel;

TEST(DateTime, SerialNumbersMatchTheBaseDate) {
    EXPECT_DOUBLE_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    const DateParts d = DecodeDate(EncodeDate(2024, 2, 29));
    EXPECT_EQ(d.year, 2024);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 29);
    EXPECT_THROW(EncodeDate(2023, 2, 29), Error);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), Error);
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 8)), 3); // a Tuesday
}

TEST(DateTime, DecodeRoundsToTheMillisecond) {
    const TDateTime t = EncodeDateTime(2026, 12, 8, 23, 59, 59, 999);
    const TimeParts p = DecodeTime(t);
    EXPECT_EQ(p.hour, 23);
    EXPECT_EQ(p.minute, 59);
    EXPECT_EQ(p.second, 59);
    EXPECT_EQ(p.ms, 999);
    EXPECT_EQ(DecodeDate(t).day, 8);
}

TEST(DateTime, TextFormsWriteAndReadBack) {
    EXPECT_EQ(DateTimeToText(EncodeDateTime(2026, 1, 5, 7, 3, 9, 0)), "2026/01/05 07:03:09");
    EXPECT_EQ(DateTimeToText(EncodeDate(2026, 1, 5)), "2026/01/05"); // midnight: date only
    EXPECT_EQ(*TextToDateTime("2026/1/5 7:03:09"), EncodeDateTime(2026, 1, 5, 7, 3, 9, 0));
    EXPECT_EQ(*TextToDateTime("2026/01/05"), EncodeDate(2026, 1, 5));
    EXPECT_EQ(*TextToDateTime("2026/01/05 07:03"), EncodeDateTime(2026, 1, 5, 7, 3, 0, 0));
    const TDateTime t = EncodeDateTime(2031, 12, 31, 23, 59, 58, 0);
    EXPECT_EQ(*TextToDateTime(DateTimeToText(t)), t);
}

TEST(DateTime, BadTextIsRefused) {
    for (const char* bad :
         {"", "2026", "2026/13/01", "2026/02/30", "2026/01/05 25:00:00", "2026/01/05 07:03:09 x",
          "abc", "2026-01-05", "2026/01/05 7", "01/01/01", "26/12/08 07:00:00"}) {
        EXPECT_FALSE(TextToDateTime(bad).has_value()) << bad;
    }
    EXPECT_EQ(*TextToTime("7:05"), EncodeTime(7, 5, 0, 0));
    EXPECT_FALSE(TextToTime("7").has_value());
}

TEST(DateTime, ValuesBeforeTheBaseDateDecodeToTheirOwnDay) {
    // -1.25 is 1899-12-29 06:00: the whole days count back, the fraction forward.
    const TDateTime t = EncodeDateTime(1899, 12, 29, 6, 0, 0, 0);
    EXPECT_DOUBLE_EQ(t, -1.25);
    EXPECT_EQ(DecodeDate(t).day, 29);
    EXPECT_EQ(DecodeTime(t).hour, 6);
    EXPECT_EQ(DayOfWeek(t), 6); // a Friday
    EXPECT_EQ(DateTimeToText(t), "1899/12/29 06:00:00");
    EXPECT_EQ(*TextToDateTime(DateTimeToText(t)), t);
    const TDateTime old = EncodeDateTime(1800, 3, 1, 23, 59, 58, 0);
    EXPECT_EQ(DateTimeToText(old), "1800/03/01 23:59:58");
}
