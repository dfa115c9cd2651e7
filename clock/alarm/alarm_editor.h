// The alarm list editor without its window: its own copies of the records in grid order, the
// empty last row that stands for a new alarm, what the editing controls hold, which of them are
// enabled, and the grid's texts. The dialog only shows what this says and reports each control
// change with one call; OK takes the edited list, Cancel simply drops the editor.
//
// Rows are numbered from 0: row r < RecordCount() shows record r, row RecordCount() is the
// empty row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "clock/alarm/alarm_item.h"
#include "clock/alarm/scheduler.h"
#include "clock/common/language.h"
#include "clock/common/vocabulary.h"

namespace vistrel {

// The texts the editor shows besides the records: the set-time format of each kind (its first
// "xxx" stands for the weekday or the day of month), the weekday names of the weekday list,
// the next time's format, and the first items of the action and sound lists.
struct AlarmEditorTexts {
    std::array<std::string, 5> kind_formats = {
        "\"ﾀｲﾏｰ \"hh\"時 \"nn\"分\"",       "\"毎時 \"nn\"分\"",
        "\"毎日 \"hh\"時 \"nn\"分\"",       "\"毎週 xxx曜 \"hh\"時 \"nn\"分\"",
        "\"毎月 xxx日 \"hh\"時 \"nn\"分\"",
    };
    std::array<std::string, 7> weekday_names = {"日", "月", "火", "水", "木", "金", "土"};
    std::string next_time_format{kBuiltInAlarmDateTimeFormat};
    std::string first_action{kBuiltInCommandNames[kCommandNone]}; // the action list's item 0
    std::string first_sound{kBuiltInSoundNames[0]}; // the sound list's item 0, for an empty sound
    std::string new_sound{kBuiltInSoundNames[1]};   // the sound list's item 1, for a new alarm
};

// The built-in texts with the process's current action and sound names and next-time format.
AlarmEditorTexts CurrentAlarmEditorTexts();
// The language library's numbers for the kind formats and the weekday names, into texts; the
// dialog adds them to its own table.
std::vector<TextReplacement> AlarmEditorTextReplacements(AlarmEditorTexts& texts);
// The seven weekday names of the library's one text, three Shift-JIS bytes each (a character
// that does not fit starts the next name), blanks trimmed.
std::array<std::string, 7> WeekdayNamesFromText(std::string_view text);

// The action list's entries: the action names, without turning the power off where only the NT
// family can do it.
std::vector<std::string> ActionListEntries(const std::vector<std::string>& names, bool nt_family);

// The sizes of the message's size list.
inline constexpr std::array<int, 8> kAlarmFontSizes = {9, 10, 11, 12, 14, 16, 18, 20};

// What the editing controls hold. Values come from the record as they are, also when a
// hand-edited file put them out of the controls' ranges (the control then shows no item), so
// that a row that is only looked at gives back exactly what it held.
struct AlarmEditorFields {
    int kind = -1; // the kind list's index; outside 0..4 nothing is chosen
    int day_of_month = 1;
    int weekday = 1; // the weekday list's index + 1
    int hour = 0;
    int minute = 0;
    std::uint32_t colour = kSystemWindowColour;
    int mark = amEdge; // the mark radio group's index
    std::string message;
    int font_size =
        kAlarmFontSizes[0]; // the number of the chosen size; none is chosen when no item has it
    std::string action;
    std::string sound;
    int before_seconds = 0;

    friend bool operator==(const AlarmEditorFields&, const AlarmEditorFields&) = default;
};

// Which controls are enabled. The kind list itself always is.
struct AlarmEditorEnabling {
    bool day = false;        // the day of month and its label
    bool weekday = false;    // the weekday list and its label
    bool hour = false;       // the hour and its label
    bool other = false;      // every other editing control, label and browse/try button
    bool delete_row = false; // "削除"
    bool delete_all = false; // "すべて削除"

    friend bool operator==(const AlarmEditorEnabling&, const AlarmEditorEnabling&) = default;
};

bool IsAlarmKind(int kind);
AlarmEditorEnabling EditorEnabling(int kind, bool on_record_row, std::size_t record_count);

// The hour and minute as the spin controls keep them after a change: a timer runs like a clock
// (a minute past 59 carries into the hour, an hour past 23 wraps to 0, and back), every other
// kind stops at 0 and 23 or 59. The controls offer -1..24 and -1..60; values beyond those are
// taken as the nearest end.
struct HourMinute {
    int hour;
    int minute;
    friend bool operator==(const HourMinute&, const HourMinute&) = default;
};
HourMinute NormaliseTime(int kind, int hour, int minute);

// The grid's columns 1 to 5, and the mark and colour that column 0 is drawn with.
struct AlarmRowTexts {
    std::string set_time;
    std::string next_time;
    std::string message;
    std::string action;
    std::string sound;
    int mark = amNone;
    std::uint32_t colour = kSystemWindowColour;
};

// Column 1: the set time in its kind's format; empty for a kind the editor does not know.
std::string SetTimeText(const TAlarmItem& item, const AlarmEditorTexts& texts);

// The fields a record shows, and a record made from the fields. ReadEditors starts from the
// record it replaces, so that its next time stays when none can be computed from the fields.
AlarmEditorFields WriteEditors(const TAlarmItem& item, const AlarmEditorTexts& texts);
AlarmEditorFields ClearEditors(const AlarmEditorTexts& texts);
TAlarmItem ReadEditors(const AlarmEditorFields& fields, TAlarmItem base = {});

class AlarmEditor {
public:
    // Takes copies of the records in list order, fills every row and selects row 0.
    explicit AlarmEditor(AlarmList records, AlarmEditorTexts texts = {});

    std::size_t RecordCount() const { return records_.size(); }
    std::size_t RowCount() const { return records_.size() + 1; }
    bool IsEmptyRow(std::size_t row) const { return row >= records_.size(); }
    std::size_t CurrentRow() const { return current_; }
    const AlarmList& Records() const { return records_; }
    // The texts of a row; the current row's follow its editors as they change (the record takes
    // them when the row is left). The empty row's are empty.
    const AlarmRowTexts& RowTexts(std::size_t row) const;

    const AlarmEditorFields& Fields() const { return fields_; }
    AlarmEditorEnabling Enabling() const;
    const AlarmEditorTexts& Texts() const { return texts_; }

    // The row change: the row left takes the editors' values when they were changed there, its
    // texts are filled again, and the editors show the new row. Selecting the current row again
    // changes nothing, so that no edit is lost to a stray click.
    void SelectRow(std::size_t row);

    // One call per control change. Choosing a kind on the empty row makes a new record, whose
    // row stays current below a new empty row; a new timer starts at the current time of day.
    void SetKind(int kind);
    void SetDayOfMonth(int day);  // kept in 1..31
    void SetWeekday(int weekday); // the list's index + 1
    void SetHour(int hour);       // NormaliseTime
    void SetMinute(int minute);   // NormaliseTime
    void SetColour(std::uint32_t colour);
    void SetMark(int mark);
    void SetMessage(std::string message);
    void SetFontSize(int size);
    void SetAction(std::string action);
    void SetSound(std::string sound);
    void SetBeforeSeconds(int seconds); // kept in 0..30

    // "削除": the current record goes, the row below moves up into the current place (the empty
    // row when it was the last record). Nothing happens on the empty row.
    void DeleteCurrent();
    // "すべて削除": only the empty row is left, and selected.
    void DeleteAll();

    // OK: the current row takes the editors' values, and the records come back sorted by their
    // next time.
    EditedAlarms Accept();

private:
    void FillRow(std::size_t row);
    // The current record's row shows what its editors hold.
    void ShowEdits();
    void EnterRow();
    void LeaveRow();
    void MakeNewRecord();
    template <typename T> void Change(T& field, T value);

    AlarmList records_;
    std::vector<std::size_t> origins_; // parallel to records_: the place in the given list
    std::vector<AlarmRowTexts> rows_;  // parallel to records_
    AlarmEditorTexts texts_;
    AlarmEditorFields fields_;
    std::size_t current_ = 0;
    bool edited_ = false; // a control changed since the current row was entered
};

} // namespace vistrel
