// Snoozing a fired alarm: its announcement comes back after a few minutes as a one-shot timer of
// its own, kept in the alarm list (and so in the alarm file) like any timer.
#pragma once

#include <cstdint>

#include "clock/alarm/alarm_item.h"
#include "clock/settings/option_item.h"

namespace vistrel {

// The snooze length in its range (kSnoozeMinutesMin to kSnoozeMinutesMax).
int ClampSnoozeMinutes(int minutes);

// A snoozed record is told from a user's timer by its second reserved field, which the editor
// writes as 0 and every reader keeps as read; a reader that does not know the mark sees a
// plain timer without an action, which does the right thing too.
inline constexpr std::int32_t kSnoozedMark = 1;
bool IsSnoozed(const TAlarmItem& item);

// The record that brings a fired alarm back `minutes` (clamped) after now: a one-shot timer
// with the fired record's message, colour, mark, font size, sound and early sound, and no
// action, since what it started (a program, a time adjustment, the end of the session) must
// not happen again because its message was put off.
TAlarmItem SnoozedAlarm(const TAlarmItem& fired, TDateTime now, int minutes);

} // namespace vistrel
