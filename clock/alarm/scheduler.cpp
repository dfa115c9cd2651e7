#include "clock/alarm/scheduler.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <vector>

#include "clock/alarm/date_math.h"

namespace vistrel {

namespace {

constexpr std::int64_t kMsPerDayInt = 86400000;
constexpr std::int64_t kMsPerMinute = 60000;

// Milliseconds of a date-time for comparisons. Values far outside the calendar (which no file
// or editor produces) are pinned, so that a damaged record can be compared and then dropped
// instead of overflowing.
std::int64_t Ms(TDateTime x) {
    constexpr double kLimit = 1e7; // days: well beyond the year 9999
    if (!(std::fabs(x) < kLimit)) {
        return x > 0 ? static_cast<std::int64_t>(kLimit) * kMsPerDayInt
                     : -static_cast<std::int64_t>(kLimit) * kMsPerDayInt;
    }
    return ToMilliseconds(x);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

std::int64_t SecondOf(TDateTime x) { return FloorDiv(Ms(x), 1000); }

// The time of day of a set time; a set time stored with a date before the base date carries
// its time of day as a negative fraction.
TDateTime TimeOfDay(TDateTime x) { return std::fabs(TimePart(x)); }

// The day of now as the millisecond clock sees it, so that a time a fraction of a millisecond
// before midnight does not decode as 00:00 of a day that DatePart still calls yesterday.
TDateTime Today(TDateTime now) { return static_cast<double>(FloorDiv(Ms(now), kMsPerDayInt)); }

std::int64_t TimeOfDayMs(TDateTime x) {
    const std::int64_t ms = Ms(x);
    return ms - FloorDiv(ms, kMsPerDayInt) * kMsPerDayInt;
}

TDateTime NextDaily(TDateTime t, TDateTime today, TDateTime now) {
    return Ms(t) > TimeOfDayMs(now) ? today + t : today + 1 + t;
}

TDateTime NextHourly(TDateTime t, TDateTime today, TDateTime now) {
    const int m = DecodeTime(t).minute;
    const TimeParts current = DecodeTime(now);
    const TDateTime next = today + EncodeTime(current.hour, m, 0, 0);
    return current.minute >= m ? NextHour(next) : next;
}

TDateTime NextWeekly(TDateTime t, TDateTime today, TDateTime now, int weekday) {
    TDateTime d = today;
    while (DayOfWeek(d) != weekday) d = NextDay(d);
    const TDateTime next = d + t;
    return Ms(now) >= Ms(next) ? next + 7 : next;
}

// Searching day by day skips months that lack the day, while NextMonth clamps it: a day-31
// alarm fires on 28 (29) February when stepped from 31 January, and the search after that
// finds 31 March again.
TDateTime NextMonthly(TDateTime t, TDateTime today, TDateTime now, int day_of_month) {
    TDateTime d = today;
    while (DecodeDate(d).day != day_of_month) d = NextDay(d);
    const TDateTime next = d + t;
    return Ms(now) >= Ms(next) ? NextMonth(next) : next;
}

double SortKey(TDateTime x) { return std::isnan(x) ? std::numeric_limits<double>::infinity() : x; }

AlarmWindow WindowFor(const TAlarmItem& item, int msg_type) {
    if (item.message.empty()) return AlarmWindow::None;
    switch (msg_type) {
    case 0: return AlarmWindow::Normal;
    case 1: return AlarmWindow::Simple;
    case 2: return AlarmWindow::Board;
    default: return AlarmWindow::None;
    }
}

AlarmEffect EffectFor(int effect) {
    switch (effect) {
    case 1: return AlarmEffect::Flash;
    case 2: return AlarmEffect::Shake;
    default: return AlarmEffect::None;
    }
}

// The second at which the head's sound plays: its next time moved back one second per second
// of lead, step by step as the firing itself counts. A lead beyond an hour (only a damaged
// file holds one) is taken in one step, so that it cannot stall the tick.
TDateTime EarlySoundTime(TDateTime next, std::int32_t lead) {
    if (lead > 3600) return next - lead * kOneSecond;
    for (std::int32_t i = 0; i < lead; ++i) next = PrevSecond(next);
    return next;
}

// Moves a fired record on, or takes it out of the list when it is a timer or cannot move past
// the second it fired in.
void Reschedule(AlarmList& list, TDateTime now) {
    TAlarmItem& head = list.front();
    if (head.kind != akTimer && CalcNextTime(head, now) &&
        SecondOf(head.next_time) > SecondOf(now)) {
        SortAlarms(list);
    } else {
        list.erase(list.begin());
    }
}

} // namespace

TDateTime TruncToMinute(TDateTime x) {
    return FromMilliseconds(FloorDiv(Ms(x), kMsPerMinute) * kMsPerMinute);
}

bool SameSecond(TDateTime a, TDateTime b) { return SecondOf(a) == SecondOf(b); }

bool CanReschedule(const TAlarmItem& item) {
    switch (item.kind) {
    case akTimer:
    case akHourly:
    case akDaily: return true;
    case akWeekly: return item.weekday >= 1 && item.weekday <= 7;
    case akMonthly: return item.day_of_month >= 1 && item.day_of_month <= 31;
    default: return false;
    }
}

bool CalcNextTime(TAlarmItem& item, TDateTime now) {
    if (!CanReschedule(item)) return false;
    const TDateTime t = TimeOfDay(item.set_time);
    const TDateTime today = Today(now);
    switch (item.kind) {
    case akTimer:
    case akDaily: item.next_time = NextDaily(t, today, now); break;
    case akHourly: item.next_time = NextHourly(t, today, now); break;
    case akWeekly: item.next_time = NextWeekly(t, today, now, item.weekday); break;
    case akMonthly: item.next_time = NextMonthly(t, today, now, item.day_of_month); break;
    default: return false;
    }
    return true;
}

bool NextTimeOrder(const TAlarmItem& a, const TAlarmItem& b) {
    return SortKey(a.next_time) < SortKey(b.next_time);
}

void SortAlarms(AlarmList& list) { std::stable_sort(list.begin(), list.end(), NextTimeOrder); }

TDateTime LastMissedTime(const TAlarmItem& item, TDateTime minute) {
    // Steps from occurrence to occurrence; a year of hourly alarms is some nine thousand steps,
    // and a record that stops moving forward ends the walk.
    constexpr int kMostSteps = 100000;
    TAlarmItem walker = item;
    TDateTime last = item.next_time;
    if (item.kind == akTimer) return last;
    for (int step = 0; step < kMostSteps; ++step) {
        if (!CalcNextTime(walker, last)) break;
        if (Ms(walker.next_time) <= Ms(last) || Ms(walker.next_time) >= Ms(minute)) break;
        last = walker.next_time;
    }
    return last;
}

bool CatchUpAlarms(AlarmList& list, TDateTime now, MissedAlarms* missed) {
    const TDateTime minute = TruncToMinute(now);
    const std::int64_t minute_now = Ms(minute);
    // Decide first and compact afterwards, so that an error while rescheduling leaves every
    // record in the list.
    std::vector<bool> drop(list.size(), false);
    bool changed = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        TAlarmItem& item = list[i];
        if (Ms(TruncToMinute(item.next_time)) >= minute_now) continue;
        changed = true;
        if (missed) missed->push_back({item, LastMissedTime(item, minute)});
        if (item.kind == akTimer || !CalcNextTime(item, now)) drop[i] = true;
    }
    if (!changed) return false;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (drop[i]) continue;
        if (kept != i) list[kept] = std::move(list[i]);
        ++kept;
    }
    list.resize(kept);
    SortAlarms(list);
    return true;
}

namespace {
// The fields that decide when a record is due, to the minute the editor sets.
bool SameTimes(const TAlarmItem& a, const TAlarmItem& b) {
    const auto minute_of_day = [](const TAlarmItem& x) {
        return FloorDiv(TimeOfDayMs(TimeOfDay(x.set_time)), kMsPerMinute);
    };
    return a.kind == b.kind && minute_of_day(a) == minute_of_day(b) &&
           (a.kind != akWeekly || a.weekday == b.weekday) &&
           (a.kind != akMonthly || a.day_of_month == b.day_of_month);
}
} // namespace

AlarmList TakeBackAlarms(const AlarmList& given, EditedAlarms edited, TDateTime now,
                         MissedAlarms* missed) {
    AlarmList list;
    for (std::size_t i = 0; i < edited.records.size(); ++i) {
        TAlarmItem& item = edited.records[i];
        const std::size_t origin = i < edited.origins.size() ? edited.origins[i] : kNewAlarm;
        const bool known = origin < given.size() && SameTimes(item, given[origin]);
        if (!known) {
            if (SecondOf(item.next_time) > SecondOf(now)) CalcNextTime(item, now);
        } else if (item.kind == akTimer || !CanReschedule(item)) {
            // The clock fired it (or will): its time as the clock had it.
            item.next_time = given[origin].next_time;
            if (SecondOf(item.next_time) <= SecondOf(now)) continue;
        } else {
            CalcNextTime(item, now);
        }
        list.push_back(std::move(item));
    }
    CatchUpAlarms(list, now, missed);
    SortAlarms(list);
    return list;
}

std::optional<TDateTime> WakeTimeFor(const AlarmList& list, bool wake_up, bool alarm_use) {
    if (!wake_up || !alarm_use || list.empty()) return std::nullopt;
    const TAlarmItem& head = list.front();
    if (!std::isfinite(head.next_time)) return std::nullopt;
    return EarlySoundTime(head.next_time, head.before_seconds) - kWakeLeadSeconds * kOneSecond;
}

bool CatchUpDue(TDateTime now, TDateTime minute_mark) {
    return Ms(TruncToMinute(now)) - Ms(minute_mark) >= 2 * kMsPerMinute;
}

AlarmProcResult AlarmProc(AlarmList& list, TDateTime now, const AlarmProcSettings& settings) {
    AlarmProcResult result;
    if (list.empty()) return result;
    const TAlarmItem& head = list.front();
    const TDateTime early = EarlySoundTime(head.next_time, head.before_seconds);
    if (settings.alarm_use && SameSecond(early, now)) {
        result.sound = head.sound;
    }
    // A head whose second went by unseen (a late tick, a clock set a little forward) fires now:
    // left waiting it would never match again and would hold back every alarm behind it.
    // Anything older than the current minute has already been moved on by the catch-up pass.
    if (SecondOf(head.next_time) > SecondOf(now)) return result;

    TAlarmItem copy = head;
    result.fired = true;
    try {
        Reschedule(list, now);
    } catch (const std::exception& e) {
        // The record could not be moved on: it must not stay due in this second.
        if (!list.empty() && SecondOf(list.front().next_time) <= SecondOf(now)) {
            list.erase(list.begin());
        }
        result.error = std::string("unknown error(AlarmProc)\r\nErrorMessage : ") + e.what();
    }
    if (settings.alarm_use) {
        result.announce = AnnouncementOf(std::move(copy), settings.msg_type, settings.effect);
    }
    return result;
}

AlarmAnnouncement AnnouncementOf(TAlarmItem item, int msg_type, int action) {
    const AlarmWindow window = WindowFor(item, msg_type);
    return {std::move(item), window, EffectFor(action)};
}

std::string ActionFailedMessage(const std::string& action, const std::string& error) {
    return action + "\r\n\r\n" + "が起動できません。" + "\r\n" + "ErrorMessage : " + error;
}

} // namespace vistrel
