// Text forms of the adjustment log and the delay arithmetic behind its last lines.
#pragma once

#include <string>

#include "clock/common/date_time.h"

namespace vistrel {

// "yy/mm/dd hh:nn:ss zzzms", e.g. "26/12/07 20:40:10 123ms".
std::string FormatLogTime(TDateTime t);

// How far the clock moved: "hh:nn:ss zzzms 時間を進めました" when the server is ahead of the
// local clock, else (equal times too) the difference the other way and " 時間を戻しました".
// Only the time-of-day part of a difference is shown; a day or more drops out.
std::string FormatClockChange(TDateTime server, TDateTime local);

struct DelayCorrection {
    int seconds = 0;
    int ms = 0;
};

// Half the average echo round trip, truncated, split into whole seconds and milliseconds.
DelayCorrection OneWayDelay(int average_round_trip_ms);

TDateTime AddDelay(TDateTime t, DelayCorrection delay);

} // namespace vistrel
