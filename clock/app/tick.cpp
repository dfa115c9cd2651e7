#include "clock/app/tick.h"

#include <cmath>

#include "clock/common/date_format.h"
#include "clock/face/face_texts.h"

namespace vistrel {

std::string MinimizedTitle(TDateTime now, const DateTextForm& form) {
    return FormatDateText(now, form.date_form, form.week_type, form.weekday_after_date) + " " +
           FormatDateTime("hh:nn:ss", now);
}

DisplayTime MakeDisplayTime(TDateTime now) {
    DisplayTime d;
    d.value = now;
    const TimeParts p = DecodeTime(now);
    d.hour = p.hour;
    d.minute = p.minute;
    d.second = p.second;
    d.ms = p.ms;
    d.second_angle = p.second * 6;
    d.minute_angle = p.minute * 6;
    const int h = p.hour >= 12 ? p.hour - 12 : p.hour;
    d.hour_angle = static_cast<int>(h * 30 + p.minute * 0.5);
    return d;
}

TickResult RunTick(TickState& state, TDateTime now, SecondsShown shown, bool minimized) {
    TickResult r;
    // The whole second is compared, not only its number: after a jump of the clock by whole
    // minutes (a wake from sleep, a time change) the second's number alone may look unchanged.
    const std::int64_t second_of_now = ToMilliseconds(now) / 1000;
    if (state.display.second >= 0 && second_of_now == ToMilliseconds(state.display.value) / 1000) {
        return r;
    }
    r.new_second = true;
    state.display = MakeDisplayTime(now);

    // The time truncated to the minute, compared in whole milliseconds so that rounding of the
    // day fraction never makes two equal minutes differ.
    const std::int64_t ms = ToMilliseconds(now);
    const std::int64_t minute_ms = ms - ((ms % 60000) + 60000) % 60000;
    const std::int64_t last_ms = ToMilliseconds(state.last_minute);
    if (minute_ms - last_ms >= 2 * 60000) {
        r.catch_up = true;
        r.redraw = true;
    }
    if (minute_ms != last_ms && !minimized) {
        state.last_minute = FromMilliseconds(minute_ms);
        r.redraw = true;
    }
    if (shown.Any()) r.redraw = true;
    if (minimized) r.redraw = false;
    return r;
}

int MillisecondsToNextSecond(TDateTime now, int margin_ms) {
    return 1000 - DecodeTime(now).ms + margin_ms;
}

} // namespace vistrel
