// One line of the alarm file: the split into fields, the join of fields, and the conversion
// between fields and a record. Text here is UTF-8; the file's code page is applied when the
// whole file is read or written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "clock/alarm/alarm_item.h"
#include "clock/common/error.h"

namespace vistrel {

// A line that cannot become a record. warning() is set for a bad date-time field of the
// current format: the reader's own message, shown before the error itself is reported.
class AlarmFileError : public Error {
public:
    AlarmFileError(const std::string& message, std::string warning = {})
        : Error(message), warning_(std::move(warning)) {}
    const std::string& warning() const { return warning_; }

private:
    std::string warning_;
};

// What a line's conversion depends on besides the line itself.
struct AlarmLineOptions {
    int ver = 202;         // the settings value "Ver": below 69 legacy lines, below 73 old kinds
    std::string no_action; // entry 0 of the command names, for an empty action
    std::string no_sound;  // entry 0 of the sound names, for an empty sound
};

// Fields of a current-format line, at most max_fields of them (the rest is not looked at).
// Blanks and control characters between fields are skipped; a quoted field runs to its closing
// quote (a doubled quote stands for one, an unclosed one runs to the end of the line); a bare
// field ends at a blank, control character or comma; ",," gives an empty field and a comma at
// the end a final empty one.
std::vector<std::string> SplitAlarmFields(std::string_view line, std::size_t max_fields);

// A field as written: in double quotes, inner quotes doubled, when it holds a blank, a control
// character, a comma or a double quote; bare otherwise (also when empty).
std::string QuoteAlarmField(std::string_view field);

// The record of one line; path and line_number only name the place in messages.
// Throws AlarmFileError.
TAlarmItem ParseAlarmLine(std::string_view line, const AlarmLineOptions& options,
                          const std::string& path, std::size_t line_number);

// A message, action or sound as a record stores it: its first kAlarmTextBytes bytes in the
// file's code page, never half a character.
std::string StoredAlarmText(std::string_view text);

// The current-format line of a record, without the line end.
std::string FormatAlarmLine(const TAlarmItem& item);

} // namespace vistrel
