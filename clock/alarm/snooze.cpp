#include "clock/alarm/snooze.h"

#include <algorithm>

#include "clock/alarm/date_math.h"
#include "clock/common/vocabulary.h"

namespace vistrel {

int ClampSnoozeMinutes(int minutes) {
    return std::clamp(minutes, kSnoozeMinutesMin, kSnoozeMinutesMax);
}

bool IsSnoozed(const TAlarmItem& item) { return item.reserved2 == kSnoozedMark; }

TAlarmItem SnoozedAlarm(const TAlarmItem& fired, TDateTime now, int minutes) {
    TAlarmItem snoozed = fired;
    // Whole seconds: the scheduler fires in the second the record names.
    const TDateTime due = FromMilliseconds(ToMilliseconds(now) / 1000 * 1000 +
                                           std::int64_t{ClampSnoozeMinutes(minutes)} * 60000);
    snoozed.kind = akTimer;
    snoozed.reserved2 = kSnoozedMark;
    // The timer's time of day is the due time itself, so that a next time computed afresh
    // from it (the list editor does so on OK) lands on the same second.
    snoozed.set_time = TimePart(due);
    snoozed.next_time = due;
    snoozed.action = CommandNames.empty() ? std::string(kBuiltInCommandNames[kCommandNone])
                                          : CommandNames[kCommandNone];
    return snoozed;
}

} // namespace vistrel
