#include "clock/alarm/snooze.h"

#include <gtest/gtest.h>

#include "clock/alarm/alarm_line.h"
#include "clock/alarm/scheduler.h"

using namespace vistrel;

namespace {

TDateTime At(int h, int mi, int s = 0) { return EncodeDateTime(2026, 12, 9, h, mi, s, 0); }

TAlarmItem Daily() {
    TAlarmItem a;
    a.kind = akDaily;
    a.set_time = EncodeTime(7, 0, 0, 0);
    a.mark = amCircle;
    a.colour = 0x3080F0;
    a.message = "起床";
    a.font_size = 14;
    a.action = "C:\\Tools\\backup.exe";
    a.sound = "C:\\Sounds\\chime.wav";
    a.before_seconds = 5;
    return a;
}

// One second of the clock's tick: the scheduler until nothing more fires.
std::vector<AlarmAnnouncement> Tick(AlarmList& list, TDateTime now) {
    std::vector<AlarmAnnouncement> fired;
    for (int i = 0; i < 10; ++i) {
        AlarmProcResult r = AlarmProc(list, now, {});
        if (r.announce) fired.push_back(*r.announce);
        if (!r.fired) break;
    }
    return fired;
}

} // namespace

TEST(Snooze, ADailyAlarmComesBackOnceAsATimerWithoutItsAction) {
    AlarmList list{Daily()};
    ASSERT_TRUE(CalcNextTime(list[0], At(6, 0)));
    const auto first = Tick(list, At(7, 0));
    ASSERT_EQ(first.size(), 1u);
    // The daily alarm has moved on to tomorrow; the user puts its message off at 07:00:20.
    ASSERT_EQ(list.size(), 1u);
    const TDateTime tomorrow = list[0].next_time;
    list.push_back(SnoozedAlarm(first[0].item, At(7, 0, 20), 10));
    SortAlarms(list);

    const TAlarmItem& s = list[0];
    EXPECT_TRUE(IsSnoozed(s));
    EXPECT_EQ(s.kind, akTimer);
    EXPECT_EQ(ToMilliseconds(s.next_time), ToMilliseconds(At(7, 10, 20)));
    EXPECT_EQ(s.action, "(なし)");
    for (auto field : {&TAlarmItem::message, &TAlarmItem::sound})
        EXPECT_EQ(s.*field, first[0].item.*field);
    EXPECT_EQ(s.colour, first[0].item.colour);
    EXPECT_EQ(s.mark, amCircle);
    EXPECT_EQ(s.font_size, 14);
    EXPECT_EQ(s.before_seconds, 5);
    EXPECT_FALSE(IsSnoozed(list[1]));
    EXPECT_EQ(list[1].next_time, tomorrow);

    EXPECT_TRUE(Tick(list, At(7, 10, 19)).empty());
    const auto again = Tick(list, At(7, 10, 20));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].item.message, "起床");
    EXPECT_TRUE(Tick(list, At(7, 10, 21)).empty());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].next_time, tomorrow);

    // Snoozed again: another ten minutes from the second firing, still marked.
    const TAlarmItem twice = SnoozedAlarm(again[0].item, At(7, 10, 30), 10);
    EXPECT_TRUE(IsSnoozed(twice));
    EXPECT_EQ(ToMilliseconds(twice.next_time), ToMilliseconds(At(7, 20, 30)));
}

TEST(Snooze, LengthIsClampedToOneToSixtyMinutes) {
    struct Case {
        int minutes;
        int applied;
    };
    for (const Case c :
         {Case{1, 1}, Case{60, 60}, Case{0, 1}, Case{-5, 1}, Case{61, 60}, Case{2147483647, 60}}) {
        EXPECT_EQ(ClampSnoozeMinutes(c.minutes), c.applied);
        const TAlarmItem s = SnoozedAlarm(Daily(), At(12, 0), c.minutes);
        EXPECT_EQ(ToMilliseconds(s.next_time), ToMilliseconds(At(12, 0)) + c.applied * 60000LL)
            << c.minutes;
    }
}

TEST(Snooze, TheMarkAndTheDueSecondSurviveTheFileAndAFreshNextTime) {
    // Due after midnight; the list editor computes every next time afresh on OK.
    TAlarmItem s = SnoozedAlarm(Daily(), EncodeDateTime(2026, 12, 9, 23, 58, 7, 500), 5);
    const TAlarmItem read = ParseAlarmLine(FormatAlarmLine(s), {}, "test.csv", 1);
    EXPECT_TRUE(IsSnoozed(read));
    EXPECT_EQ(ToMilliseconds(read.next_time),
              ToMilliseconds(EncodeDateTime(2026, 12, 10, 0, 3, 7, 0)));
    TAlarmItem fresh = read;
    ASSERT_TRUE(CalcNextTime(fresh, EncodeDateTime(2026, 12, 9, 23, 59, 0, 0)));
    EXPECT_EQ(ToMilliseconds(fresh.next_time), ToMilliseconds(read.next_time));
}
