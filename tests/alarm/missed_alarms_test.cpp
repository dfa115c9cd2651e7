// Alarms whose time passes unseen: the clock's tick and the scheduler together, on a clock of
// the test's own, through a sleep of the computer; the notice's text; the wake timer's aim.
#include "clock/alarm/missed_alarms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/alarm/scheduler.h"
#include "clock/app/tick.h"
#include "clock/alarm/wake_timer.h"
#include "tests/support/fake_string_source.h"
#include "tests/support/recording_system_actions.h"

using namespace vistrel;

namespace {

TDateTime At(int d, int h, int mi, int s = 0) { return EncodeDateTime(2026, 12, d, h, mi, s, 0); }

TAlarmItem Alarm(AlarmKind kind, int hour, int minute, TDateTime next, std::string message) {
    TAlarmItem a;
    a.kind = kind;
    a.set_time = EncodeTime(hour, minute, 0, 0);
    a.next_time = next;
    a.message = std::move(message);
    return a;
}

// The clock window's tick, reduced to its alarm work: a catch-up pass after a jump, then every
// alarm due in this second.
struct Clock {
    AlarmList list;
    TickState tick;
    MissedAlarms missed;
    std::vector<std::string> fired; // "message hh:mm:ss"

    void Second(TDateTime now) {
        const TickResult r = RunTick(tick, now, {}, false);
        if (!r.new_second) return;
        if (r.catch_up) CatchUpAlarms(list, now, &missed);
        for (int i = 0; i < 100; ++i) {
            const AlarmProcResult p = AlarmProc(list, now, {});
            if (p.announce) fired.push_back(p.announce->item.message + " " + TimeToText(now));
            if (!p.fired) break;
        }
    }
    void Run(TDateTime from, int seconds) {
        for (int s = 0; s < seconds; ++s) Second(from + s / 86400.0);
    }
};

TEST(MissedAlarms, ASleepOfThreeHoursIsReportedAndNothingFiresLateOrTwice) {
    Clock clock;
    clock.list = {
        Alarm(akTimer, 9, 0, At(9, 9, 0), "tea"),
        Alarm(akDaily, 7, 0, At(6, 7, 0), "daily, missed for three days"),
        Alarm(akHourly, 0, 30, At(9, 8, 30), "hourly"),
        Alarm(akTimer, 12, 0, At(9, 12, 0, 40), "later in the minute of the wake"),
        Alarm(akDaily, 13, 0, At(9, 13, 0), "after the wake"),
    };
    SortAlarms(clock.list);
    // The start-up pass: the daily alarm of three days ago and the hourly one are overdue.
    clock.Run(At(9, 8, 59, 50), 5);
    ASSERT_EQ(clock.missed.size(), 2u);
    EXPECT_EQ(clock.missed[0].item.message, "daily, missed for three days");
    EXPECT_EQ(clock.missed[0].due, At(9, 7, 0)) << "listed once, with its last missed time";
    EXPECT_EQ(clock.missed[1].due, At(9, 8, 30));
    clock.missed.clear();

    // Asleep from 08:59:55 to 12:00:10: the next second the tick sees is three hours later.
    clock.Run(At(9, 12, 0, 10), 60 * 61);
    std::vector<std::string> missed;
    for (const MissedAlarm& m : clock.missed) missed.push_back(m.item.message);
    EXPECT_EQ(missed, (std::vector<std::string>{"tea", "hourly"}));
    EXPECT_EQ(clock.missed[0].due, At(9, 9, 0));
    EXPECT_EQ(clock.missed[1].due, At(9, 11, 30)) << "the hourly alarm's last missed hour";

    // Nothing late, nothing twice: only what came due while the clock was awake fired, each
    // on its second.
    const std::vector<std::string> fired = {"later in the minute of the wake 12:00:40",
                                            "hourly 12:30:00", "after the wake 13:00:00"};
    EXPECT_EQ(clock.fired, fired);
}

TEST(MissedAlarms, NoticeText) {
    const MissedAlarms missed = {{Alarm(akTimer, 9, 0, 0, "お茶\r\nの時間"), At(9, 9, 0)},
                                 {Alarm(akDaily, 7, 0, 0, ""), At(9, 7, 0)}};
    MissedAlarmTexts texts;
    EXPECT_EQ(MissedAlarmsTitle(missed.size(), texts), "見逃したアラーム (2件)");
    EXPECT_EQ(MissedAlarmsText(missed, texts, "mm/dd hh:nn"),
              texts.intro + "\r\n\r\n12/09 09:00  お茶  の時間\r\n12/09 07:00  (ﾒｯｾｰｼﾞなし)");

    test::ScopedLanguageLibrary library({{901, "Missed"}, {903, "(none)"}});
    ASSERT_TRUE(ApplyLanguage(MissedAlarmTextReplacements(texts)));
    EXPECT_EQ(MissedAlarmsTitle(1, texts), "Missed (1件)");
    EXPECT_EQ(texts.no_message, "(none)");
    EXPECT_EQ(texts.intro, "") << "a number the library lacks asks for an empty text";
}

TEST(WakeTimer, AimsAMinuteBeforeTheHeadsFirstSound) {
    TAlarmItem head = Alarm(akDaily, 7, 0, At(10, 7, 0), "head");
    TAlarmItem early = head;
    early.before_seconds = 20;
    const struct {
        const char* what;
        AlarmList list;
        bool wake_up, alarm_use;
        std::optional<TDateTime> expected;
    } cases[] = {
        {"on", {head}, true, true, At(10, 6, 59)},
        {"an early sound", {early}, true, true, At(10, 6, 58, 40)},
        {"waking off", {head}, false, true, std::nullopt},
        {"alarms off", {head}, true, false, std::nullopt},
        {"no alarm", {}, true, true, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto wake = WakeTimeFor(c.list, c.wake_up, c.alarm_use);
        ASSERT_EQ(wake.has_value(), c.expected.has_value()) << c.what;
        if (wake) {
            EXPECT_EQ(ToMilliseconds(*wake), ToMilliseconds(*c.expected)) << c.what;
        }
    }
}

} // namespace

namespace {

TEST(WakeTimer, KeptOnTheNextAlarmAndTouchedOnlyWhenItsTimeChanges) {
    test::RecordingSystemActions actions;
    const test::ScopedSystemActions scoped(actions);
    WakeTimerKeeper keeper;
    const TAlarmItem first = Alarm(akDaily, 7, 0, At(10, 7, 0), "first");
    const TAlarmItem second = Alarm(akDaily, 8, 0, At(10, 8, 0), "second");
    const struct {
        const char* what;
        AlarmList list;
        bool wake_up, again;
        std::vector<std::string> calls; // what this step asked of the system
    } steps[] = {
        {"switched on", {first, second}, true, false, {"wake 2026/12/10 06:59:00"}},
        {"the list unchanged", {first, second}, true, false, {}},
        {"the head fired", {second}, true, false, {"wake 2026/12/10 07:59:00"}},
        {"a wake or a time change", {second}, true, true, {"wake 2026/12/10 07:59:00"}},
        {"the last alarm deleted", {}, true, false, {"wake off"}},
        {"still none", {}, true, false, {}},
        {"an alarm added", {first}, true, false, {"wake 2026/12/10 06:59:00"}},
        {"switched off", {first}, false, false, {"wake off"}},
    };
    for (const auto& step : steps) {
        actions.calls.clear();
        keeper.Update(step.list, step.wake_up, true, step.again);
        EXPECT_EQ(actions.calls, step.calls) << step.what;
    }
}

} // namespace
