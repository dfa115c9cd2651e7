// Date-time values as text by a pattern, the way the program's display formats are written:
//   yy / yyyy        two- or four-digit year
//   m / mm           month, or minutes when it follows an hour token (h or hh)
//   d / dd           day; ddd / dddd the weekday's short or long Japanese name
//   ddddd            the short date "yyyy/mm/dd"
//   h / hh           hour (1..12 when the pattern holds AM/PM, am/pm, A/P or a/p)
//   n / nn, s / ss   minutes, seconds; z / zzz milliseconds
//   c                short date, and the long time when the time of day is not midnight
//   t / tt           the short time "hh:nn:ss" / the long time "hh:mm:ss"
//   AM/PM, am/pm, A/P, a/p   the half of the day, in the pattern's own letter case
//   "..." or '...'   literal text; any other character stands for itself.
// Letters of the tokens may be upper or lower case.
#pragma once

#include <string>
#include <string_view>

#include "clock/common/date_time.h"

namespace vistrel {

std::string FormatDateTime(std::string_view pattern, TDateTime t);

} // namespace vistrel
