#include "clock/alarm/alarm_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "clock/alarm/scheduler.h"
#include "clock/common/clock_source.h"
#include "tests/support/fake_string_source.h"

using namespace vistrel;

namespace {

constexpr int kUntouched = INT_MIN;

TDateTime At(int y, int mo, int d, int h, int mi, int s = 0) {
    return EncodeDateTime(y, mo, d, h, mi, s, 0);
}

TAlarmItem Alarm(int kind, int hour, int minute) {
    TAlarmItem a;
    a.kind = kind;
    a.set_time = EncodeTime(hour, minute, 0, 0);
    a.action = "(なし)";
    a.sound = "一般の警告音";
    return a;
}

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Tuesday 8 December 2026, 14:25:10.
class AlarmEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetNowForTests([] { return At(2026, 12, 8, 14, 25, 10); });
    }
    void TearDown() override { SetNowForTests({}); }
};

} // namespace

TEST(AlarmEditorRules, NormaliseTimeWrapsTimersAndStopsOthers) {
    struct Case {
        int kind, hour, minute;
        HourMinute want;
    } cases[] = {
        {akTimer, 10, 60, {11, 0}}, {akTimer, 23, 60, {0, 0}},    {akTimer, 0, -1, {23, 59}},
        {akTimer, 24, 10, {0, 10}}, {akTimer, 99, 99, {0, 0}},    {akDaily, 24, 0, {23, 0}},
        {akDaily, -1, -1, {0, 0}},  {akHourly, 24, 61, {23, 59}}, {-1, -50, 60, {0, 59}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NormaliseTime(c.kind, c.hour, c.minute), c.want) << c.kind << " " << c.hour;
    }
}

TEST(AlarmEditorRules, SetTimeTextShowsWhatAHandEditedRecordHolds) {
    struct Case {
        int kind, weekday, day;
        const char* want;
    } cases[] = {
        {akWeekly, 7, 1, "毎週 土曜 07時 30分"},
        {akWeekly, 9, 1, "毎週 9曜 07時 30分"},
        {akMonthly, 1, -4, "毎月 -4日 07時 30分"},
        {9, 1, 1, ""},
    };
    for (const Case& c : cases) {
        TAlarmItem a = Alarm(c.kind, 7, 30);
        a.weekday = c.weekday;
        a.day_of_month = c.day;
        EXPECT_EQ(SetTimeText(a, {}), c.want) << c.kind;
    }
}

// A new alarm made on the empty row as the user makes it; the grid fills its row once it is left.
TEST_F(AlarmEditorTest, NewAlarmsOnTheEmptyRow) {
    struct Case {
        int kind, weekday, day, hour, minute;
        const char* set_time;
        const char* next_time;
    } cases[] = {
        {akHourly, 1, 1, kUntouched, 30, "毎時 30分", "2026/12/08 14時 30分"},
        {akTimer, 1, 1, kUntouched, kUntouched, "ﾀｲﾏｰ 14時 25分", "2026/12/09 14時 25分"},
        {akTimer, 1, 1, kUntouched, 60, "ﾀｲﾏｰ 15時 00分", "2026/12/08 15時 00分"},
        {akDaily, 1, 1, 24, 0, "毎日 23時 00分", "2026/12/08 23時 00分"},
        {akWeekly, 2, 1, 7, 30, "毎週 月曜 07時 30分", "2026/12/14 07時 30分"},
        {akMonthly, 1, 31, 7, 5, "毎月 31日 07時 05分", "2026/12/31 07時 05分"},
    };
    for (const Case& c : cases) {
        AlarmEditor editor({});
        editor.SetKind(c.kind);
        EXPECT_EQ(editor.Enabling().hour, c.kind != akHourly) << c.set_time;
        editor.SetWeekday(c.weekday);
        editor.SetDayOfMonth(c.day);
        if (c.hour != kUntouched) editor.SetHour(c.hour);
        if (c.minute != kUntouched) editor.SetMinute(c.minute);
        EXPECT_EQ(editor.RowCount(), 2u);
        EXPECT_EQ(editor.RowTexts(0).set_time, c.set_time) << "shown as the editors change";
        editor.SelectRow(1);
        EXPECT_EQ(editor.RowTexts(0).set_time, c.set_time);
        EXPECT_EQ(editor.RowTexts(0).next_time, c.next_time) << c.set_time;
        EXPECT_EQ(editor.Fields(), ClearEditors({}));
    }
}

TEST_F(AlarmEditorTest, DeleteAndCancel) {
    const AlarmList original = {Alarm(akDaily, 7, 0), Alarm(akDaily, 8, 0), Alarm(akDaily, 9, 0)};
    const AlarmList before = original;
    AlarmEditor editor(original);
    editor.SelectRow(3);
    editor.SetKind(akMonthly);
    editor.SelectRow(1);
    editor.DeleteCurrent(); // the row below moves up into the current place
    EXPECT_EQ(editor.CurrentRow(), 1u);
    EXPECT_EQ(editor.Fields().hour, 9);
    editor.DeleteAll();
    EXPECT_EQ(original, before); // Cancel: the editor worked on its copies

    AlarmEditor last({Alarm(akDaily, 7, 0)});
    last.SetMessage("edited, then deleted");
    last.DeleteCurrent();
    EXPECT_EQ(last.RowCount(), 1u);
    EXPECT_TRUE(last.IsEmptyRow(last.CurrentRow()));
    EXPECT_EQ(last.Fields(), ClearEditors({}));
    EXPECT_FALSE(last.Enabling().delete_row);
    EXPECT_FALSE(last.Enabling().delete_all);
    EXPECT_TRUE(last.Accept().records.empty());
}

TEST_F(AlarmEditorTest, TheCurrentRowShowsItsEditorsAsTheyChange) {
    AlarmEditor editor({Alarm(akDaily, 7, 0)});
    editor.SelectRow(1);
    editor.SetKind(akDaily); // a new alarm, with the empty row below it
    EXPECT_EQ(editor.RowCount(), 3u);
    EXPECT_EQ(editor.CurrentRow(), 1u);
    EXPECT_EQ(editor.RowTexts(1).set_time, "毎日 00時 00分");
    editor.SetHour(7);
    editor.SetMinute(30);
    editor.SetMessage("起きる");
    editor.SetMark(amCircle);
    EXPECT_EQ(editor.RowTexts(1).set_time, "毎日 07時 30分");
    EXPECT_EQ(editor.RowTexts(1).mark, amCircle);
    EXPECT_EQ(editor.RowTexts(1).next_time, "2026/12/09 07時 30分");
    EXPECT_EQ(editor.RowTexts(1).message, "起きる");
    EXPECT_EQ(editor.RowTexts(2).set_time, "") << "the empty row stays empty";
    EXPECT_EQ(editor.Records().at(1).message, "") << "the record takes them when left";

    editor.SelectRow(0); // an existing row shows its edits too
    editor.SetMinute(5);
    EXPECT_EQ(editor.RowTexts(0).set_time, "毎日 07時 05分");
    EXPECT_EQ(editor.RowTexts(1).set_time, "毎日 07時 30分");
    const EditedAlarms accepted = editor.Accept();
    EXPECT_EQ(accepted.records.at(1).message, "起きる");
    EXPECT_EQ(accepted.origins, (std::vector<std::size_t>{0, kNewAlarm}));
}

TEST_F(AlarmEditorTest, EditsSurviveAClickOnTheirOwnRow) {
    AlarmEditor editor({Alarm(akDaily, 7, 0)});
    editor.SetMessage("new text");
    editor.SelectRow(0);
    EXPECT_EQ(editor.Accept().records.at(0).message, "new text");
}

TEST_F(AlarmEditorTest, HandEditedRecordsComeBackAsTheyWereWhenOnlyLookedAt) {
    AlarmList hostile = {Alarm(9, 7, 0),         Alarm(-3, 7, 0),      Alarm(akWeekly, 7, 0),
                         Alarm(akMonthly, 7, 0), Alarm(akDaily, 7, 0), Alarm(akTimer, 23, 59)};
    hostile[2].weekday = 0;
    hostile[3].day_of_month = 45;
    TAlarmItem& odd = hostile[4];
    odd.mark = 7;
    odd.colour = 0xFF00000F;
    odd.action.clear();
    odd.sound.clear();
    odd.reserved = 5;
    odd.font_size = 100;
    odd.before_seconds = 99;
    odd.set_time = EncodeTime(7, 0, 45, 0);
    hostile[5].message = "a" + Repeat("あ", 127); // 255 bytes on disk
    for (TAlarmItem& item : hostile) item.next_time = At(2026, 12, 9, 0, 0);

    AlarmList want = hostile;
    for (TAlarmItem& item : want) CalcNextTime(item, Now()); // every row shown is scheduled
    SortAlarms(want);

    AlarmEditor editor(hostile);
    for (std::size_t row = 0; row <= hostile.size(); ++row) {
        editor.SelectRow(row);
        // The dialog hands back what it was given as its controls settle.
        const AlarmEditorFields shown = editor.Fields();
        editor.SetMessage(shown.message);
        editor.SetMark(shown.mark);
        editor.SetHour(shown.hour);
    }
    editor.SelectRow(0);
    EXPECT_EQ(editor.Accept().records, want);

    // Edited, such a record keeps what the controls could not show.
    AlarmEditor edit(hostile);
    edit.SetMessage("mended");
    const AlarmList edited = edit.Accept().records;
    const auto found = std::find_if(edited.begin(), edited.end(),
                                    [](const TAlarmItem& x) { return x.message == "mended"; });
    ASSERT_NE(found, edited.end());
    EXPECT_EQ(found->kind, 9);
    EXPECT_EQ(found->next_time, At(2026, 12, 9, 0, 0));
}

TEST_F(AlarmEditorTest, MessageIsCutTo255ShiftJisBytesBetweenCharacters) {
    struct Case {
        std::string typed, want;
    } cases[] = {
        {Repeat("a", 300), Repeat("a", 255)},
        {Repeat("あ", 200), Repeat("あ", 127)},
        {"ab" + Repeat("あ", 200), "ab" + Repeat("あ", 126)},
        {Repeat("ｱ", 300), Repeat("ｱ", 255)}, // half-width kana: one byte each
    };
    for (const Case& c : cases) {
        AlarmEditor editor({});
        editor.SetKind(akDaily);
        editor.SetMessage(c.typed);
        EXPECT_EQ(editor.Accept().records.at(0).message, c.want) << c.typed.size();
    }
}

TEST(AlarmEditorRules, WeekdayNamesAreThreeBytesEachWithoutSplittingACharacter) {
    const struct {
        const char* text;
        const char* want; // the seven names joined by '|'
    } cases[] = {
        {"日 月 火 水 木 金 土 ", "日|月|火|水|木|金|土"},
        {"SunMonTueWedThuFriSat", "Sun|Mon|Tue|Wed|Thu|Fri|Sat"},
        {"日月火", "日|月|火||||"}, // a character that does not fit starts the next name
        {"😀a😀", "😀|a|😀||||"},       // wider than a name: a name alone
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const std::string& name : WeekdayNamesFromText(c.text)) joined += name + "|";
        EXPECT_EQ(joined, std::string(c.want) + "|");
    }
}

TEST(AlarmEditorRules, KindFormatsComeFromTheLanguageLibrary) {
    test::ScopedLanguageLibrary library({{403, "\"xxx \"hh:nn"}, {322, "SunMonTueWedThuFriSat"}});
    AlarmEditorTexts texts;
    ASSERT_TRUE(ApplyLanguage(AlarmEditorTextReplacements(texts)));
    TAlarmItem a = Alarm(akWeekly, 7, 30);
    a.weekday = 2;
    EXPECT_EQ(SetTimeText(a, texts), "Mon 07:30");
}

TEST(AlarmEditorRules, ThePowerOffActionOnlyOnTheNtFamily) {
    const std::vector<std::string> names(kBuiltInCommandNames.begin(), kBuiltInCommandNames.end());
    EXPECT_EQ(ActionListEntries(names, true), names);
    const std::vector<std::string> nine_x = ActionListEntries(names, false);
    ASSERT_EQ(nine_x.size(), 4u);
    EXPECT_EQ(std::count(nine_x.begin(), nine_x.end(), names[kCommandPowerOff]), 0);
}
