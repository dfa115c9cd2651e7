// The date and time texts of the face: the weekday table and the date and time formats that
// the options offer by number.
#pragma once

#include <optional>
#include <string>

#include "clock/common/date_time.h"

namespace vistrel {

inline constexpr int kWeekTypeCount = 6;
inline constexpr int kDateFormCount = 9;
inline constexpr int kTimeFormCount = 6;

// The weekday of row week_type (0 empty, 1 "SUN", 2 "SU", 3 "Sun", 4 "Su", 5 "日") for
// day_of_week 1 = Sunday .. 7 = Saturday. A row or day outside the table gives an empty text.
std::string WeekdayName(int week_type, int day_of_week);

// The date by format date_form (0 "yyyy/m/d" .. 8 "d/m") with the weekday after it (" Sun") or
// before it ("Sun "). The blank stays even when the weekday is empty. An unknown format gives
// an empty text.
std::string FormatDateText(TDateTime now, int date_form, int week_type, bool weekday_after_date);

// The time by format time_form (0 "h:nn:ss" .. 5 "AM/PM h:nn"). Nothing for an unknown format:
// the face then keeps the text it showed before.
std::optional<std::string> FormatTimeText(TDateTime now, int time_form);

} // namespace vistrel
