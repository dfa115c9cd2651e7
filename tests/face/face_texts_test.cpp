#include "clock/face/face_texts.h"

#include <gtest/gtest.h>

#include "clock/face/face_request.h"

namespace vistrel {
namespace {

// 2024-03-05 is a Tuesday; 2009-11-28 a Saturday.
TDateTime Tuesday() { return EncodeDateTime(2024, 3, 5, 14, 7, 9, 0); }
TDateTime Saturday() { return EncodeDateTime(2009, 11, 28, 0, 5, 0, 0); }

TEST(DateText, EveryFormatWithoutLeadingZeros) {
    const char* expected[] = {"2024/3/5", "24/3/5",   "3/5",    "5",  "3/5/2024",
                              "3/5/24",   "5/3/2024", "5/3/24", "5/3"};
    for (int form = 0; form < kDateFormCount; ++form)
        EXPECT_EQ(FormatDateText(Tuesday(), form, 0, true), std::string(expected[form]) + " ")
            << form;
    // Two-digit years keep their leading zero.
    EXPECT_EQ(FormatDateText(Saturday(), 1, 1, true), "09/11/28 SAT");
}

TEST(DateText, WeekdayRowsAndPlacement) {
    EXPECT_EQ(FormatDateText(Tuesday(), 2, 1, true), "3/5 TUE");
    EXPECT_EQ(FormatDateText(Tuesday(), 2, 2, true), "3/5 TU");
    EXPECT_EQ(FormatDateText(Tuesday(), 2, 3, false), "Tue 3/5");
    EXPECT_EQ(FormatDateText(Tuesday(), 2, 4, true), "3/5 Tu");
    EXPECT_EQ(FormatDateText(Saturday(), 3, 5, true), "28 土");
    // The blank separates even an empty weekday, on the side the weekday would take.
    EXPECT_EQ(FormatDateText(Tuesday(), 3, 0, true), "5 ");
    EXPECT_EQ(FormatDateText(Tuesday(), 3, 0, false), " 5");
}

TEST(DateText, UnknownCodesDoNotFail) {
    EXPECT_EQ(FormatDateText(Tuesday(), 9, 3, true), "");
    EXPECT_EQ(FormatDateText(Tuesday(), -1, 3, true), "");
    // A weekday row that the table does not have shows no weekday instead of reading past it.
    EXPECT_EQ(FormatDateText(Tuesday(), 3, 6, true), "5 ");
    EXPECT_EQ(FormatDateText(Tuesday(), 3, -7, true), "5 ");
    EXPECT_EQ(WeekdayName(3, 0), "");
    EXPECT_EQ(WeekdayName(3, 8), "");
}

TEST(TimeText, TwentyFourAndTwelveHourForms) {
    EXPECT_EQ(FormatTimeText(Tuesday(), 0), "14:07:09");
    EXPECT_EQ(FormatTimeText(Tuesday(), 1), "2:07:09 PM");
    EXPECT_EQ(FormatTimeText(Tuesday(), 2), "PM 2:07:09");
    EXPECT_EQ(FormatTimeText(Tuesday(), 3), "14:07");
    EXPECT_EQ(FormatTimeText(Tuesday(), 4), "2:07 PM");
    EXPECT_EQ(FormatTimeText(Tuesday(), 5), "PM 2:07");
    // Midnight and noon on the twelve-hour clock are 12, morning and afternoon.
    EXPECT_EQ(FormatTimeText(Saturday(), 0), "0:05:00");
    EXPECT_EQ(FormatTimeText(Saturday(), 4), "12:05 AM");
    EXPECT_EQ(FormatTimeText(EncodeDateTime(2009, 11, 28, 12, 0, 0, 0), 5), "PM 12:00");
    EXPECT_FALSE(FormatTimeText(Tuesday(), 6).has_value());
    EXPECT_FALSE(FormatTimeText(Tuesday(), -1).has_value());
}

TEST(FaceTime, HandAnglesFromOneReading) {
    const FaceTime t = FaceTimeAt(EncodeDateTime(2024, 3, 5, 15, 31, 42, 900));
    EXPECT_EQ(t.hour, 15);
    EXPECT_EQ(t.minute, 31);
    EXPECT_EQ(t.second, 42);
    EXPECT_EQ(t.angles.hour, 105); // trunc(15 x 30 - 360 + 31 x 0.5)
    EXPECT_EQ(t.angles.minute, 186);
    EXPECT_EQ(t.angles.second, 252);
}

} // namespace
} // namespace vistrel
