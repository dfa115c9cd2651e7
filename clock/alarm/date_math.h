// Calendar steps on date-time values for the alarm scheduler: one month on with the day clamped
// to the month's length, one day on, one hour on, one second back, and the split of a value
// into its date and its time of day. The step sizes are fixed doubles so that repeated steps
// land on the same values every run.
#pragma once

#include "clock/common/date_time.h"

namespace vistrel {

inline constexpr double kOneHour = 1.0 / 24;      // 0.041666666666666664
inline constexpr double kOneSecond = 1.0 / 86400; // 1.1574074074074073e-05

// Whole days, truncated toward zero.
TDateTime DatePart(TDateTime x);
// x minus its whole days (negative for values before the base date).
TDateTime TimePart(TDateTime x);

TDateTime NextDay(TDateTime x);
TDateTime NextHour(TDateTime x);
TDateTime PrevSecond(TDateTime x);

bool IsLeapYear(int year);
// The length of x's month in x's year.
int DaysInMonth(TDateTime x);

// The date delta months from x, the day clamped to the target month's length; the time of day
// is dropped. Throws Error for a delta outside -12..12.
TDateTime ChangeMonth(int delta, TDateTime x);
// One month on from x, keeping x's time of day.
TDateTime NextMonth(TDateTime x);

} // namespace vistrel
