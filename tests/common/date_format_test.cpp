#include "clock/common/date_format.h"

#include <gtest/gtest.h>

using namespace vistrel;

namespace {
// A Monday afternoon with every field distinct.
const TDateTime kMonday = EncodeDateTime(2026, 12, 7, 20, 4, 9, 23);
} // namespace

TEST(DateFormat, NumbersWithAndWithoutLeadingZeros) {
    EXPECT_EQ(FormatDateTime("yyyy/m/d", kMonday), "2026/12/7");
    EXPECT_EQ(FormatDateTime("yy/mm/dd", kMonday), "26/12/07");
    EXPECT_EQ(FormatDateTime("h:n:s", EncodeDateTime(2026, 1, 2, 3, 4, 5, 0)), "3:4:5");
    EXPECT_EQ(FormatDateTime("hh:nn:ss zzz", kMonday), "20:04:09 023");
    EXPECT_EQ(FormatDateTime("YYYY-MM-DD HH:NN", kMonday), "2026-12-07 20:04");
    EXPECT_EQ(FormatDateTime("ddddd", kMonday), "2026/12/07");
}

TEST(DateFormat, MonthTokenAfterAnHourMeansMinutes) {
    EXPECT_EQ(FormatDateTime("hh:mm:ss", kMonday), "20:04:09");
    EXPECT_EQ(FormatDateTime("h時m分", kMonday), "20時4分");
    // Once a day token came between, m is the month again.
    EXPECT_EQ(FormatDateTime("hh dd mm", kMonday), "20 07 12");
    EXPECT_EQ(FormatDateTime("mm/dd hh:mm", kMonday), "12/07 20:04");
}

TEST(DateFormat, HalfDayTokensAndTwelveHourClock) {
    const TDateTime midnight = EncodeDateTime(2026, 12, 7, 0, 5, 0, 0);
    const TDateTime noon = EncodeDateTime(2026, 12, 7, 12, 5, 0, 0);
    EXPECT_EQ(FormatDateTime("h:nn AM/PM", midnight), "12:05 AM");
    EXPECT_EQ(FormatDateTime("h:nn AM/PM", noon), "12:05 PM");
    EXPECT_EQ(FormatDateTime("AM/PM h:nn:ss", kMonday), "PM 8:04:09");
    EXPECT_EQ(FormatDateTime("h:nn am/pm", kMonday), "8:04 pm");
    EXPECT_EQ(FormatDateTime("h a/p", midnight), "12 a");
    EXPECT_EQ(FormatDateTime("h A/P", kMonday), "8 P");
    // Without a half-day token the hour runs 0..23.
    EXPECT_EQ(FormatDateTime("h:nn", midnight), "0:05");
    // A lone 'a' is just a letter.
    EXPECT_EQ(FormatDateTime("a h", kMonday), "a 20");
}

TEST(DateFormat, QuotedTextIsLiteral) {
    EXPECT_EQ(FormatDateTime("hh\"時\" nn\"分\"", kMonday), "20時 04分");
    EXPECT_EQ(FormatDateTime("ddddd hh\"時\" nn\"分\"", kMonday), "2026/12/07 20時 04分");
    EXPECT_EQ(FormatDateTime("\"ﾀｲﾏｰ \"hh\"時 \"nn\"分\"", kMonday), "ﾀｲﾏｰ 20時 04分");
    EXPECT_EQ(FormatDateTime("'yy' yy", kMonday), "yy 26");
    EXPECT_EQ(FormatDateTime("hh \"AM/PM\"", kMonday), "20 AM/PM"); // quoted: no 12-hour clock
    EXPECT_EQ(FormatDateTime("nn\"unclosed", kMonday), "04unclosed");
    EXPECT_EQ(FormatDateTime("", kMonday), "");
}

TEST(DateFormat, LogPatternsAndDifferences) {
    const TDateTime server = EncodeDateTime(2026, 12, 7, 20, 40, 10, 123);
    EXPECT_EQ(FormatDateTime("yy/mm/dd hh:nn:ss zzz\"ms\"", server), "26/12/07 20:40:10 123ms");
    // A difference of 1.25 seconds as a date-time value.
    EXPECT_EQ(FormatDateTime("hh:nn:ss zzz\"ms\"", 1.25 / 86400), "00:00:01 250ms");
}

TEST(DateFormat, WeekdayNamesAndCompositeTokens) {
    EXPECT_EQ(FormatDateTime("ddd", kMonday), "月");
    EXPECT_EQ(FormatDateTime("dddd", kMonday), "月曜日");
    EXPECT_EQ(FormatDateTime("ddd", kMonday + 6), "日");
    EXPECT_EQ(FormatDateTime("c", kMonday), "2026/12/07 20:04:09");
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2026, 12, 7)), "2026/12/07");
    EXPECT_EQ(FormatDateTime("t|tt", kMonday), "20:04:09|20:04:09");
}
