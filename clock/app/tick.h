// What one tick of the clock does, decided apart from the window: the tick does its work only
// when the displayed second changes, catches up on alarms after a jump of the clock, and redraws
// every second only while something on the face shows seconds.
#pragma once

#include <string>

#include "clock/common/date_time.h"

namespace vistrel {

struct DisplayTime {
    TDateTime value = 0;
    int hour = 0, minute = 0, second = -1, ms = 0; // second -1: nothing shown yet
    int second_angle = 0, minute_angle = 0, hour_angle = 0;
};

// Whether something on the face changes every second.
struct SecondsShown {
    bool second_hand = false;            // SNeedle
    bool colour_change = false;          // ColorChange
    bool time_text_with_seconds = false; // TimeChar and TimeCharForm <= 2
    bool Any() const { return second_hand || colour_change || time_text_with_seconds; }
};

struct TickState {
    DisplayTime display;
    TDateTime last_minute = 0; // the last minute seen, 0 before the first tick
};

struct TickResult {
    bool new_second = false; // false: nothing else happens in this tick
    bool catch_up = false;   // the clock jumped two minutes or more: catch up on alarms
    bool redraw = false;
};

// The display time and hand angles of a moment.
DisplayTime MakeDisplayTime(TDateTime now);

// One tick at `now`; updates the state.
TickResult RunTick(TickState& state, TDateTime now, SecondsShown shown, bool minimized);

// The task-bar text while the clock is minimised: the date as the face writes it and the time,
// both of `now`. Nothing is drawn while minimised, so the date cannot be the face's.
struct DateTextForm {
    int date_form = 0, week_type = 0;
    bool weekday_after_date = true;
};
std::string MinimizedTitle(TDateTime now, const DateTextForm& form);

// Milliseconds from `now` until just after the next second begins; the tick timer is aimed
// there instead of polling, so the clock uses no processor time between seconds.
int MillisecondsToNextSecond(TDateTime now, int margin_ms);

} // namespace vistrel
