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

// The weekday of row weekType (0 empty, 1 "SUN", 2 "SU", 3 "Sun", 4 "Su", 5 "日") for
// dayOfWeek 1 = Sunday .. 7 = Saturday. A row or day outside the table gives an empty text.
std::string WeekdayName(int weekType, int dayOfWeek);

// The date by format dateForm (0 "yyyy/m/d" .. 8 "d/m") with the weekday after it (" Sun") or
// before it ("Sun "). The blank stays even when the weekday is empty. An unknown format gives
// an empty text.
std::string FormatDateText(TDateTime now, int dateForm, int weekType, bool weekdayAfterDate);

// The time by format timeForm (0 "h:nn:ss" .. 5 "AM/PM h:nn"). Nothing for an unknown format:
// the face then keeps the text it showed before.
std::optional<std::string> FormatTimeText(TDateTime now, int timeForm);

} // namespace vistrel
