#include "clock/alarm/alarm_editor.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "clock/alarm/alarm_line.h"
#include "clock/alarm/scheduler.h"
#include "clock/common/clock_source.h"
#include "clock/common/date_format.h"
#include "clock/common/text_encoding.h"
#include "clock/common/vocabulary.h"

namespace vistrel {

namespace {

constexpr int kFirstKindFormatNumber = 400;
constexpr int kWeekdayNamesNumber = 322;
constexpr std::size_t kWeekdayNameBytes = 3;
constexpr std::size_t kLongestCharacterBytes = 4;
constexpr int kLastDayOfMonth = 31;
constexpr int kMostBeforeSeconds = 30;

// Beyond this a value is no date the calendar code should be asked to take apart; only a
// damaged record could carry one.
bool IsShowableTime(TDateTime t) { return std::isfinite(t) && std::fabs(t) < 3e6; }

std::string TrimmedBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string ReplaceFirstXxx(std::string format, const std::string& with) {
    const auto at = format.find("xxx");
    if (at != std::string::npos) format.replace(at, 3, with);
    return format;
}

std::string WeekdayText(int weekday, const AlarmEditorTexts& texts) {
    if (weekday >= 1 && weekday <= 7)
        return texts.weekday_names[static_cast<std::size_t>(weekday - 1)];
    return std::to_string(weekday); // what the file holds, for the user to see and mend
}

std::string FirstItemIfEmpty(const std::string& text, const std::string& first) {
    return text.empty() ? first : text;
}

const AlarmRowTexts kNoTexts{};

// A record's row: its next time is computed afresh, so every row shown or taken back is
// scheduled from now.
AlarmRowTexts TextsOf(TAlarmItem& item, const AlarmEditorTexts& formats) {
    CalcNextTime(item, Now()); // leaves a record that cannot be scheduled as it was
    AlarmRowTexts texts;
    texts.set_time = SetTimeText(item, formats);
    texts.next_time = IsShowableTime(item.next_time)
                          ? FormatDateTime(formats.next_time_format, item.next_time)
                          : std::string();
    texts.message = item.message;
    texts.action = item.action;
    texts.sound = item.sound;
    texts.mark = item.mark;
    texts.colour = item.colour;
    return texts;
}

} // namespace

AlarmEditorTexts CurrentAlarmEditorTexts() {
    AlarmEditorTexts texts;
    texts.next_time_format = AlarmDateTimeFormat;
    if (!CommandNames.empty()) texts.first_action = CommandNames[0];
    if (SoundNames.size() > 1) {
        texts.first_sound = SoundNames[0];
        texts.new_sound = SoundNames[1];
    }
    return texts;
}

std::array<std::string, 7> WeekdayNamesFromText(std::string_view text) {
    std::array<std::string, 7> names;
    for (std::string& name : names) {
        std::string taken = CutToSjisBytes(text, kWeekdayNameBytes);
        // A character wider than a name (only one without a Shift-JIS form) is a name alone.
        if (taken.empty()) taken = CutToSjisBytes(text, kLongestCharacterBytes);
        text.remove_prefix(taken.size());
        name = TrimmedBlanks(taken);
    }
    return names;
}

std::vector<TextReplacement> AlarmEditorTextReplacements(AlarmEditorTexts& texts) {
    std::vector<TextReplacement> table;
    table.push_back({kWeekdayNamesNumber, [&texts](const std::string& text) {
                         texts.weekday_names = WeekdayNamesFromText(text);
                     }});
    for (std::size_t kind = 0; kind < texts.kind_formats.size(); ++kind) {
        table.push_back(
            ReplaceInto(kFirstKindFormatNumber + static_cast<int>(kind), texts.kind_formats[kind]));
    }
    return table;
}

std::vector<std::string> ActionListEntries(const std::vector<std::string>& names, bool nt_family) {
    std::vector<std::string> entries;
    for (std::size_t n = 0; n < names.size(); ++n) {
        if (n != kCommandPowerOff || nt_family) entries.push_back(names[n]);
    }
    return entries;
}

bool IsAlarmKind(int kind) { return kind >= akTimer && kind <= akMonthly; }

AlarmEditorEnabling EditorEnabling(int kind, bool on_record_row, std::size_t record_count) {
    AlarmEditorEnabling e;
    const bool chosen = IsAlarmKind(kind);
    e.day = kind == akMonthly;
    e.weekday = kind == akWeekly;
    e.hour = chosen && kind != akHourly;
    e.other = chosen;
    e.delete_row = on_record_row;
    e.delete_all = record_count > 0;
    return e;
}

HourMinute NormaliseTime(int kind, int hour, int minute) {
    hour = std::clamp(hour, -1, 24);
    minute = std::clamp(minute, -1, 60);
    if (kind != akTimer) return {std::clamp(hour, 0, 23), std::clamp(minute, 0, 59)};
    if (minute > 59) {
        minute = 0;
        ++hour;
    } else if (minute < 0) {
        minute = 59;
        --hour;
    }
    if (hour > 23) hour = 0;
    if (hour < 0) hour = 23;
    return {hour, minute};
}

std::string SetTimeText(const TAlarmItem& item, const AlarmEditorTexts& texts) {
    if (!IsAlarmKind(item.kind) || !IsShowableTime(item.set_time)) return {};
    std::string format = texts.kind_formats[static_cast<std::size_t>(item.kind)];
    if (item.kind == akWeekly) format = ReplaceFirstXxx(format, WeekdayText(item.weekday, texts));
    if (item.kind == akMonthly) format = ReplaceFirstXxx(format, std::to_string(item.day_of_month));
    return FormatDateTime(format, item.set_time);
}

AlarmEditorFields WriteEditors(const TAlarmItem& item, const AlarmEditorTexts& texts) {
    AlarmEditorFields f;
    f.kind = item.kind;
    f.day_of_month = item.day_of_month;
    f.weekday = item.weekday;
    if (IsShowableTime(item.set_time)) {
        const TimeParts t = DecodeTime(item.set_time);
        f.hour = t.hour;
        f.minute = t.minute;
    }
    f.colour = item.colour;
    f.mark = item.mark;
    f.message = item.message;
    f.font_size = item.font_size;
    f.action = FirstItemIfEmpty(item.action, texts.first_action);
    f.sound = FirstItemIfEmpty(item.sound, texts.first_sound);
    f.before_seconds = item.before_seconds;
    return f;
}

AlarmEditorFields ClearEditors(const AlarmEditorTexts& texts) {
    AlarmEditorFields f;
    f.action = texts.first_action;
    f.sound = texts.new_sound;
    return f;
}

TAlarmItem ReadEditors(const AlarmEditorFields& fields, TAlarmItem base) {
    base.reserved = 0;
    base.kind = fields.kind;
    base.reserved2 = 0;
    base.set_time =
        EncodeTime(std::clamp(fields.hour, 0, 23), std::clamp(fields.minute, 0, 59), 0, 0);
    base.day_of_month = fields.day_of_month;
    base.weekday = fields.weekday;
    base.colour = fields.colour;
    base.mark = fields.mark;
    base.message = StoredAlarmText(fields.message);
    base.font_size = fields.font_size;
    base.action = StoredAlarmText(fields.action);
    base.sound = StoredAlarmText(fields.sound);
    base.before_seconds = fields.before_seconds;
    return base;
}

AlarmEditor::AlarmEditor(AlarmList records, AlarmEditorTexts texts)
    : records_(std::move(records)), origins_(records_.size()), rows_(records_.size()),
      texts_(std::move(texts)) {
    for (std::size_t row = 0; row < records_.size(); ++row) {
        origins_[row] = row;
        FillRow(row);
    }
    EnterRow();
}

const AlarmRowTexts& AlarmEditor::RowTexts(std::size_t row) const {
    return row < rows_.size() ? rows_[row] : kNoTexts;
}

AlarmEditorEnabling AlarmEditor::Enabling() const {
    return EditorEnabling(fields_.kind, !IsEmptyRow(current_), records_.size());
}

void AlarmEditor::FillRow(std::size_t row) { rows_[row] = TextsOf(records_[row], texts_); }

void AlarmEditor::ShowEdits() {
    if (IsEmptyRow(current_) || !edited_) return;
    TAlarmItem shown = ReadEditors(fields_, records_[current_]);
    rows_[current_] = TextsOf(shown, texts_);
}

void AlarmEditor::EnterRow() {
    fields_ =
        IsEmptyRow(current_) ? ClearEditors(texts_) : WriteEditors(records_[current_], texts_);
    edited_ = false;
}

void AlarmEditor::LeaveRow() {
    if (IsEmptyRow(current_)) return;
    // A row only looked at keeps its record exactly, even where the controls cannot show it.
    if (edited_) records_[current_] = ReadEditors(fields_, records_[current_]);
    FillRow(current_);
}

void AlarmEditor::SelectRow(std::size_t row) {
    row = std::min(row, records_.size());
    if (row == current_) return;
    LeaveRow();
    current_ = row;
    EnterRow();
}

template <typename T> void AlarmEditor::Change(T& field, T value) {
    if (field == value) return; // the control echoing what it was given
    field = std::move(value);
    edited_ = true;
    ShowEdits();
}

void AlarmEditor::MakeNewRecord() {
    records_.push_back(ReadEditors(fields_));
    origins_.push_back(kNewAlarm);
    rows_.emplace_back();
    edited_ = true; // the record takes the editors' values when its row is left
    if (fields_.kind == akTimer) {
        const TimeParts now = DecodeTime(Now());
        fields_.hour = now.hour;
        fields_.minute = now.minute;
    }
    ShowEdits();
}

void AlarmEditor::SetKind(int kind) {
    Change(fields_.kind, kind);
    if (IsEmptyRow(current_) && IsAlarmKind(kind)) MakeNewRecord();
}

void AlarmEditor::SetDayOfMonth(int day) {
    Change(fields_.day_of_month, std::clamp(day, 1, kLastDayOfMonth));
}
void AlarmEditor::SetWeekday(int weekday) { Change(fields_.weekday, weekday); }

void AlarmEditor::SetHour(int hour) {
    const HourMinute t = NormaliseTime(fields_.kind, hour, fields_.minute);
    Change(fields_.hour, t.hour);
    Change(fields_.minute, t.minute);
}

void AlarmEditor::SetMinute(int minute) {
    const HourMinute t = NormaliseTime(fields_.kind, fields_.hour, minute);
    Change(fields_.hour, t.hour);
    Change(fields_.minute, t.minute);
}

void AlarmEditor::SetColour(std::uint32_t colour) { Change(fields_.colour, colour); }
void AlarmEditor::SetMark(int mark) { Change(fields_.mark, mark); }
void AlarmEditor::SetMessage(std::string message) { Change(fields_.message, std::move(message)); }
void AlarmEditor::SetFontSize(int size) { Change(fields_.font_size, size); }
void AlarmEditor::SetAction(std::string action) { Change(fields_.action, std::move(action)); }
void AlarmEditor::SetSound(std::string sound) { Change(fields_.sound, std::move(sound)); }

void AlarmEditor::SetBeforeSeconds(int seconds) {
    Change(fields_.before_seconds, std::clamp(seconds, 0, kMostBeforeSeconds));
}

void AlarmEditor::DeleteCurrent() {
    if (IsEmptyRow(current_)) return;
    const auto at = static_cast<std::ptrdiff_t>(current_);
    records_.erase(records_.begin() + at);
    origins_.erase(origins_.begin() + at);
    rows_.erase(rows_.begin() + at);
    EnterRow(); // the row that moved up, or the empty row
}

void AlarmEditor::DeleteAll() {
    records_.clear();
    origins_.clear();
    rows_.clear();
    current_ = 0;
    EnterRow();
}

EditedAlarms AlarmEditor::Accept() {
    LeaveRow();
    edited_ = false;
    std::vector<std::size_t> order(records_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return NextTimeOrder(records_[a], records_[b]);
    });
    EditedAlarms edited;
    for (const std::size_t i : order) {
        edited.records.push_back(records_[i]);
        edited.origins.push_back(origins_[i]);
    }
    return edited;
}

} // namespace vistrel
