#include "clock/alarm/scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace vistrel;

namespace {

TDateTime At(int y, int mo, int d, int h, int mi, int s = 0) {
    return EncodeDateTime(y, mo, d, h, mi, s, 0);
}

TAlarmItem Alarm(AlarmKind kind, int hour, int minute, std::string message = "msg") {
    TAlarmItem a;
    a.kind = kind;
    a.set_time = EncodeTime(hour, minute, 0, 0);
    a.message = std::move(message);
    a.action = "(なし)";
    a.sound = "一般の警告音";
    return a;
}

// Steps of an hour or a month are not exact in binary; compare to the millisecond.
std::int64_t Ms(TDateTime t) { return ToMilliseconds(t); }

std::int64_t Next(TAlarmItem a, TDateTime now) {
    EXPECT_TRUE(CalcNextTime(a, now));
    return Ms(a.next_time);
}

// What the main window's tick does in one second: call the scheduler until nothing fires.
std::vector<AlarmProcResult> Tick(AlarmList& list, TDateTime now,
                                  const AlarmProcSettings& settings = {}) {
    std::vector<AlarmProcResult> calls;
    const std::size_t most = list.size() + 1;
    for (;;) {
        calls.push_back(AlarmProc(list, now, settings));
        if (!calls.back().fired) return calls;
        if (calls.size() > most) {
            ADD_FAILURE() << "the tick does not end";
            return calls;
        }
    }
}

int Fired(const std::vector<AlarmProcResult>& calls) {
    int n = 0;
    for (const auto& c : calls) n += c.fired;
    return n;
}

} // namespace

TEST(CalcNextTime, DailyAndTimerGoToTomorrowAtOrAfterTheirTime) {
    const TAlarmItem daily = Alarm(akDaily, 7, 0);
    EXPECT_EQ(Next(daily, At(2026, 12, 8, 6, 59, 59)), Ms(At(2026, 12, 8, 7, 0)));
    EXPECT_EQ(Next(daily, At(2026, 12, 8, 7, 0)), Ms(At(2026, 12, 9, 7, 0)));
    EXPECT_EQ(Next(daily, At(2026, 12, 31, 23, 0)), Ms(At(2027, 1, 1, 7, 0)));
    EXPECT_EQ(Next(Alarm(akTimer, 0, 0), At(2026, 12, 8, 12, 0)), Ms(At(2026, 12, 9, 0, 0)));
    // Only the time of day of the set time counts, whatever date it was stored with.
    TAlarmItem dated = daily;
    dated.set_time = At(2020, 5, 5, 7, 0);
    EXPECT_EQ(Next(dated, At(2026, 12, 8, 6, 0)), Ms(At(2026, 12, 8, 7, 0)));
    dated.set_time = At(1899, 12, 29, 7, 0); // negative serial, fraction counted forward
    EXPECT_EQ(Next(dated, At(2026, 12, 8, 6, 0)), Ms(At(2026, 12, 8, 7, 0)));
}

TEST(CalcNextTime, HourlyTakesTheMinuteAndMayPassMidnight) {
    const TAlarmItem hourly = Alarm(akHourly, 5, 30); // the hour is ignored
    EXPECT_EQ(Next(hourly, At(2026, 12, 8, 10, 29, 59)), Ms(At(2026, 12, 8, 10, 30)));
    EXPECT_EQ(Next(hourly, At(2026, 12, 8, 10, 30)), Ms(At(2026, 12, 8, 11, 30)));
    EXPECT_EQ(Next(hourly, At(2026, 12, 8, 23, 30)), Ms(At(2026, 12, 9, 0, 30)));
    EXPECT_EQ(Next(hourly, At(2026, 12, 31, 23, 45)), Ms(At(2027, 1, 1, 0, 30)));
    // A hair before midnight counts as the next day's first millisecond, not as yesterday.
    const TDateTime almost = At(2026, 12, 8, 0, 0) + 86399.9996 / 86400;
    EXPECT_EQ(Next(hourly, almost), Ms(At(2026, 12, 9, 0, 30)));
}

TEST(CalcNextTime, WeeklyFindsTheWeekdayAndSkipsAWeekWhenPassed) {
    TAlarmItem sunday = Alarm(akWeekly, 7, 0);
    sunday.weekday = 1;
    const TDateTime a_sunday = At(2026, 12, 6, 0, 0);
    ASSERT_EQ(DayOfWeek(a_sunday), 1);
    EXPECT_EQ(Next(sunday, a_sunday + 6.0 / 24), Ms(At(2026, 12, 6, 7, 0)));
    EXPECT_EQ(Next(sunday, At(2026, 12, 6, 7, 0)), Ms(At(2026, 12, 13, 7, 0)));
    EXPECT_EQ(Next(sunday, At(2026, 12, 9, 7, 0)), Ms(At(2026, 12, 13, 7, 0)));
    sunday.weekday = 7; // Saturday, from a Sunday: six days on
    EXPECT_EQ(Next(sunday, At(2026, 12, 6, 8, 0)), Ms(At(2026, 12, 12, 7, 0)));
}

TEST(CalcNextTime, MonthlyDay31SearchesAndClamps) {
    TAlarmItem a = Alarm(akMonthly, 7, 0);
    a.day_of_month = 31;
    EXPECT_EQ(Next(a, At(2027, 1, 31, 8, 0)), Ms(At(2027, 2, 28, 7, 0)));
    EXPECT_EQ(Next(a, At(2028, 1, 31, 8, 0)), Ms(At(2028, 2, 29, 7, 0)));
    EXPECT_EQ(Next(a, At(2027, 4, 1, 8, 0)), Ms(At(2027, 5, 31, 7, 0)));
    EXPECT_EQ(Next(a, At(2027, 1, 31, 6, 0)), Ms(At(2027, 1, 31, 7, 0)));

    // Fired month after month from January, it keeps to the last day of each month.
    a.next_time = At(2027, 1, 31, 7, 0);
    AlarmList list{a};
    std::vector<std::string> fired;
    for (int i = 0; i < 6; ++i) {
        const TDateTime due = list.front().next_time;
        ASSERT_EQ(Fired(Tick(list, due)), 1);
        fired.push_back(DateToText(due));
    }
    EXPECT_EQ(fired, (std::vector<std::string>{"2027/01/31", "2027/02/28", "2027/03/31",
                                               "2027/04/30", "2027/05/31", "2027/06/30"}));
}

TEST(CalcNextTime, RefusesRecordsWithoutAPossibleDate) {
    TAlarmItem weekly = Alarm(akWeekly, 7, 0);
    TAlarmItem monthly = Alarm(akMonthly, 7, 0);
    TAlarmItem unknown = Alarm(akDaily, 7, 0);
    unknown.kind = 5;
    for (int bad : {0, 8, -1}) {
        weekly.weekday = bad;
        weekly.next_time = 123;
        EXPECT_FALSE(CalcNextTime(weekly, At(2026, 12, 8, 0, 0)));
        EXPECT_EQ(weekly.next_time, 123);
    }
    for (int bad : {0, 32, 1000}) {
        monthly.day_of_month = bad;
        EXPECT_FALSE(CalcNextTime(monthly, At(2026, 12, 8, 0, 0)));
    }
    EXPECT_FALSE(CalcNextTime(unknown, At(2026, 12, 8, 0, 0)));
    EXPECT_FALSE(CanReschedule(unknown));
}

TEST(SortAlarms, AscendingAndStableForEqualTimes) {
    AlarmList list;
    for (const auto& [msg, t] : std::vector<std::pair<std::string, TDateTime>>{
             {"c", 3}, {"a1", 1}, {"b1", 2}, {"a2", 1}, {"b2", 2}, {"a3", 1}, {"z", 0.5}}) {
        TAlarmItem a;
        a.message = msg;
        a.next_time = t;
        list.push_back(a);
    }
    SortAlarms(list);
    std::string order;
    for (const auto& a : list) order += a.message + " ";
    EXPECT_EQ(order, "z a1 a2 a3 b1 b2 c ");
}

TEST(CatchUpAlarms, StartAfterTheTimeDropsTimersAndMovesRepeatingAlarms) {
    const TDateTime eight = At(2026, 12, 8, 8, 0, 10);
    TAlarmItem timer = Alarm(akTimer, 7, 0, "timer");
    timer.next_time = At(2026, 12, 8, 7, 0);
    TAlarmItem daily = Alarm(akDaily, 7, 0, "daily");
    daily.next_time = At(2026, 12, 7, 7, 0);
    TAlarmItem later = Alarm(akTimer, 8, 0, "this minute"); // due earlier in this minute: kept
    later.next_time = At(2026, 12, 8, 8, 0, 0);
    TAlarmItem broken = Alarm(akWeekly, 7, 0, "broken"); // cannot be moved: dropped
    broken.weekday = 9;
    broken.next_time = At(2026, 12, 7, 7, 0);
    AlarmList list{timer, daily, later, broken};

    EXPECT_TRUE(CatchUpAlarms(list, eight));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].message, "this minute");
    EXPECT_EQ(list[1].message, "daily");
    EXPECT_EQ(list[1].next_time, At(2026, 12, 9, 7, 0));
    EXPECT_FALSE(CatchUpAlarms(list, eight)); // nothing more to do
}

TEST(CatchUpAlarms, DueWhenTheClockMovedTwoMinutesPastTheMark) {
    const TDateTime mark = At(2026, 12, 8, 8, 0);
    EXPECT_TRUE(CatchUpDue(At(2026, 12, 8, 8, 0), 0)); // first tick after start-up
    EXPECT_FALSE(CatchUpDue(At(2026, 12, 8, 8, 1, 59), mark));
    EXPECT_TRUE(CatchUpDue(At(2026, 12, 8, 8, 2, 0), mark));
    EXPECT_TRUE(CatchUpDue(At(2026, 12, 8, 9, 0, 30), mark)); // clock set forward
    EXPECT_EQ(TruncToMinute(At(2026, 12, 8, 8, 59, 59)), At(2026, 12, 8, 8, 59));
    EXPECT_TRUE(SameSecond(At(2026, 12, 8, 8, 0, 1), At(2026, 12, 8, 8, 0, 1) + 0.9 / 86400));
    EXPECT_FALSE(SameSecond(At(2026, 12, 8, 8, 0, 1), At(2026, 12, 8, 8, 0, 2)));
}

TEST(AlarmProc, TwoAlarmsInOneMinuteFireInOneTickInListOrder) {
    const TDateTime seven = At(2026, 12, 8, 7, 0);
    TAlarmItem first = Alarm(akDaily, 7, 0, "first");
    TAlarmItem second = Alarm(akTimer, 7, 0, "second");
    first.next_time = second.next_time = seven;
    TAlarmItem other = Alarm(akDaily, 7, 1, "other");
    other.next_time = seven + 1.0 / 1440;
    AlarmList list{first, second, other};

    const auto calls = Tick(list, seven);
    ASSERT_EQ(Fired(calls), 2);
    ASSERT_TRUE(calls[0].announce && calls[1].announce);
    EXPECT_EQ(calls[0].announce->item.message, "first");
    EXPECT_EQ(calls[1].announce->item.message, "second");
    EXPECT_EQ(calls[0].announce->window, AlarmWindow::Normal);
    EXPECT_EQ(calls[1].announce->window, AlarmWindow::Normal);
    ASSERT_EQ(list.size(), 2u); // the timer is gone, the daily moved to tomorrow
    EXPECT_EQ(list[0].message, "other");
    EXPECT_EQ(list[1].next_time, At(2026, 12, 9, 7, 0));
}

TEST(AlarmProc, EarlySoundPlaysOnceBeforeTheWindow) {
    TAlarmItem a = Alarm(akDaily, 7, 0);
    a.next_time = At(2026, 12, 8, 7, 0);
    a.before_seconds = 10;
    AlarmList list{a};
    std::vector<std::string> events;
    for (int s = -20; s <= 5; ++s) {
        const TDateTime now = At(2026, 12, 8, 7, 0) + s / 86400.0;
        for (const auto& r : Tick(list, now)) {
            if (r.sound) events.push_back(TimeToText(now) + " sound " + *r.sound);
            if (r.announce) events.push_back(TimeToText(now) + " window");
        }
    }
    EXPECT_EQ(events, (std::vector<std::string>{"06:59:50 sound 一般の警告音", "07:00:00 window"}));

    // Without a lead the sound comes in the firing second itself, before the window.
    a.before_seconds = 0;
    list = {a};
    const auto calls = Tick(list, At(2026, 12, 8, 7, 0));
    ASSERT_TRUE(calls[0].sound && calls[0].announce);
}

TEST(AlarmProc, OnlyTheHeadPlaysAnEarlySound) {
    TAlarmItem head = Alarm(akTimer, 7, 0, "head");
    head.next_time = At(2026, 12, 8, 7, 0);
    head.sound = "メッセージ(情報)";
    TAlarmItem early = Alarm(akTimer, 7, 0, "early");
    early.next_time = head.next_time;
    early.before_seconds = 10;
    AlarmList list{head, early};
    std::vector<std::string> sounds;
    for (int s = -15; s <= 0; ++s) {
        for (const auto& r : Tick(list, head.next_time + s / 86400.0)) {
            if (r.sound) sounds.push_back(*r.sound);
        }
    }
    EXPECT_EQ(sounds, std::vector<std::string>{"メッセージ(情報)"});
    EXPECT_TRUE(list.empty());
}

TEST(AlarmProc, SilentWhenAlarmsAreOffButTheListStillMoves) {
    TAlarmItem timer = Alarm(akTimer, 7, 0);
    timer.next_time = At(2026, 12, 8, 7, 0);
    AlarmList list{timer};
    const auto calls = Tick(list, timer.next_time, {.alarm_use = false});
    EXPECT_EQ(Fired(calls), 1);
    for (const auto& c : calls) {
        EXPECT_FALSE(c.sound);
        EXPECT_FALSE(c.announce);
    }
    EXPECT_TRUE(list.empty());
}

TEST(AlarmProc, WindowAndEffectFollowTheSettings) {
    const TDateTime seven = At(2026, 12, 8, 7, 0);
    auto fire = [&](std::string message, AlarmProcSettings settings) {
        TAlarmItem a = Alarm(akTimer, 7, 0, std::move(message));
        a.next_time = seven;
        a.action = "notepad.exe";
        AlarmList list{a};
        return *AlarmProc(list, seven, settings).announce;
    };
    const AlarmAnnouncement empty = fire("", {});
    EXPECT_EQ(empty.window, AlarmWindow::None); // no window, but effect and action still run
    EXPECT_EQ(empty.effect, AlarmEffect::Shake);
    EXPECT_EQ(empty.item.action, "notepad.exe");
    EXPECT_EQ(fire("x", {.msg_type = 1, .effect = 1}).window, AlarmWindow::Simple);
    EXPECT_EQ(fire("x", {.msg_type = 1, .effect = 1}).effect, AlarmEffect::Flash);
    EXPECT_EQ(fire("x", {.msg_type = 2, .effect = 0}).window, AlarmWindow::Board);
    EXPECT_EQ(fire("x", {.msg_type = 2, .effect = 0}).effect, AlarmEffect::None);
    EXPECT_EQ(fire("x", {.msg_type = 7, .effect = 9}).window, AlarmWindow::None);
    EXPECT_EQ(ActionFailedMessage("foo.exe", "Exec Error 2"),
              "foo.exe\r\n\r\nが起動できません。\r\nErrorMessage : Exec Error 2");
}

TEST(AlarmProc, RecordsThatCannotMoveOnFireOnceAndLeave) {
    const TDateTime seven = At(2026, 12, 8, 7, 0);
    TAlarmItem weekly = Alarm(akWeekly, 7, 0, "weekday 0");
    weekly.weekday = 0;
    TAlarmItem monthly = Alarm(akMonthly, 7, 0, "day 40");
    monthly.day_of_month = 40;
    TAlarmItem unknown = Alarm(akDaily, 7, 0, "kind 9");
    unknown.kind = 9;
    TAlarmItem huge_lead = Alarm(akDaily, 7, 0, "lead");
    huge_lead.before_seconds = 2000000000;
    AlarmList list{weekly, monthly, unknown, huge_lead};
    for (auto& a : list) a.next_time = seven;

    const auto calls = Tick(list, seven);
    EXPECT_EQ(Fired(calls), 4);
    ASSERT_EQ(list.size(), 1u); // only the valid daily stays, moved to tomorrow
    EXPECT_EQ(list[0].message, "lead");
    EXPECT_EQ(list[0].next_time, seven + 1);
}

TEST(AlarmProc, AnErrorWhileMovingOnIsReportedAndTheRecordLeaves) {
    // The month after December 9999 cannot be represented.
    const TDateTime last = At(9999, 12, 31, 7, 0);
    TAlarmItem a = Alarm(akMonthly, 7, 0);
    a.day_of_month = 31;
    a.next_time = last;
    AlarmList list{a};
    const auto calls = Tick(list, last);
    EXPECT_EQ(Fired(calls), 1);
    EXPECT_EQ(calls[0].error.rfind("unknown error(AlarmProc)\r\nErrorMessage : ", 0), 0u);
    EXPECT_TRUE(calls[0].announce);
    EXPECT_TRUE(list.empty());
}

TEST(AlarmProc, ADayOfTicksFiresEachAlarmExactlyWhenDue) {
    const TDateTime day = At(2026, 12, 8, 0, 0);
    TAlarmItem hourly = Alarm(akHourly, 0, 15, "hourly");
    TAlarmItem daily = Alarm(akDaily, 7, 0, "daily");
    TAlarmItem timer = Alarm(akTimer, 12, 30, "timer");
    TAlarmItem weekly = Alarm(akWeekly, 18, 0, "weekly");
    weekly.weekday = DayOfWeek(day);
    TAlarmItem monthly = Alarm(akMonthly, 23, 59, "monthly");
    monthly.day_of_month = 8;
    AlarmList list{hourly, daily, timer, weekly, monthly};
    for (auto& a : list) CalcNextTime(a, day);
    SortAlarms(list);

    std::vector<std::string> fired;
    for (int s = 0; s < 86400; ++s) {
        const TDateTime now = day + s / 86400.0;
        for (const auto& r : Tick(list, now)) {
            if (!r.announce) continue;
            EXPECT_TRUE(SameSecond(r.announce->item.next_time, now));
            if (r.announce->item.message != "hourly") {
                fired.push_back(r.announce->item.message + " " + TimeToText(now));
            } else {
                EXPECT_EQ(DecodeTime(now).minute, 15);
                fired.push_back("h");
            }
        }
    }
    EXPECT_EQ(std::count(fired.begin(), fired.end(), "h"), 24);
    fired.erase(std::remove(fired.begin(), fired.end(), "h"), fired.end());
    EXPECT_EQ(fired, (std::vector<std::string>{"daily 07:00:00", "timer 12:30:00",
                                               "weekly 18:00:00", "monthly 23:59:00"}));
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(list.back().message, "monthly");
    EXPECT_EQ(Ms(list.back().next_time), Ms(At(2027, 1, 8, 23, 59)));
}

TEST(AlarmProc, AHeadWhoseSecondWasMissedFiresLateInsteadOfBlockingTheList) {
    // Started at 08:00:10: the catch-up pass keeps an alarm of this minute, so it must fire.
    const TDateTime start = At(2026, 12, 8, 8, 0, 10);
    TAlarmItem kept = Alarm(akTimer, 8, 0, "kept");
    kept.next_time = At(2026, 12, 8, 8, 0, 0);
    TAlarmItem behind = Alarm(akDaily, 8, 1, "behind");
    behind.next_time = At(2026, 12, 8, 8, 1, 0);
    AlarmList list{kept, behind};
    CatchUpAlarms(list, start);
    ASSERT_EQ(list.size(), 2u);
    auto calls = Tick(list, start);
    ASSERT_EQ(Fired(calls), 1);
    EXPECT_EQ(calls[0].announce->item.message, "kept");

    // A tick that came late, after the firing second: the alarm behind still fires.
    calls = Tick(list, At(2026, 12, 8, 8, 1, 2));
    ASSERT_EQ(Fired(calls), 1);
    EXPECT_EQ(calls[0].announce->item.message, "behind");
    EXPECT_EQ(Ms(list[0].next_time), Ms(At(2026, 12, 9, 8, 1)));
}

// The editor was opened at 06:59:30 on its copies while the clock went on firing its own list;
// OK comes at different moments. Nothing the clock fired meanwhile fires again, and nothing due
// meanwhile that the clock never saw is lost: it fires once in its own minute, or is reported.
TEST(Scheduler, TakingBackTheEditorsCopies) {
    const TDateTime opened = At(2026, 12, 8, 6, 59, 30);
    const AlarmList given = [&] {
        AlarmList list = {Alarm(akDaily, 7, 0, "daily"), Alarm(akTimer, 7, 0, "timer"),
                          Alarm(akDaily, 8, 0, "moved"), Alarm(akTimer, 9, 0, "later")};
        for (TAlarmItem& a : list) CalcNextTime(a, opened);
        return list;
    }();
    EditedAlarms edited{given, {0, 1, 2, 3}};
    edited.records[1].message = "timer, its text edited";
    edited.records[2].set_time = EncodeTime(7, 0, 0, 0); // re-timed: the clock never had 07:00
    edited.records.push_back(Alarm(akDaily, 7, 0, "new"));
    edited.origins.push_back(kNewAlarm);
    for (TAlarmItem& a : edited.records) CalcNextTime(a, opened);

    const TDateTime today7 = At(2026, 12, 8, 7, 0), tomorrow7 = At(2026, 12, 9, 7, 0);
    const TDateTime today9 = At(2026, 12, 8, 9, 0);
    const struct {
        const char* when;
        TDateTime now; // the last second the clock has dealt with
        std::vector<std::pair<std::string, TDateTime>> want;
        std::vector<std::string> missed;
    } cases[] = {
        {"before 07:00 came",
         At(2026, 12, 8, 6, 59, 59),
         {{"daily", today7},
          {"timer, its text edited", today7},
          {"moved", today7},
          {"new", today7},
          {"later", today9}},
         {}},
        {"in the second the clock fired 07:00",
         opened + (30 * 1000 + 20) / 86400000.0,
         {{"moved", today7}, {"new", today7}, {"later", today9}, {"daily", tomorrow7}},
         {}},
        {"five minutes later",
         At(2026, 12, 8, 7, 5),
         {{"later", today9}, {"daily", tomorrow7}, {"moved", tomorrow7}, {"new", tomorrow7}},
         {"moved", "new"}},
    };
    for (const auto& c : cases) {
        MissedAlarms missed;
        const AlarmList list = TakeBackAlarms(given, edited, c.now, &missed);
        std::vector<std::pair<std::string, TDateTime>> got;
        for (const TAlarmItem& a : list) got.emplace_back(a.message, a.next_time);
        ASSERT_EQ(got.size(), c.want.size()) << c.when;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].first, c.want[i].first) << c.when << " " << i;
            EXPECT_EQ(Ms(got[i].second), Ms(c.want[i].second)) << c.when << " " << got[i].first;
        }
        std::vector<std::string> missed_texts;
        for (const MissedAlarm& m : missed) missed_texts.push_back(m.item.message);
        EXPECT_EQ(missed_texts, c.missed) << c.when;
    }
}
