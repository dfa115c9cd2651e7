// The alarm file: one comma-separated line per alarm, CR LF line ends, Shift-JIS on disk (UTF-8
// with a byte-order mark when Shift-JIS cannot hold some text). Message boxes belong to the
// caller: every result carries the exact text to show and the kind of box.
#pragma once

#include <string>
#include <string_view>

#include "clock/alarm/alarm_item.h"
#include "clock/alarm/alarm_line.h"
#include "clock/common/clock_source.h"

namespace vistrel {

// The kinds of message box that the alarm file's results ask for.
enum class AlarmFileNotice { None, Plain, Warning, Error };

// Appends the records of a file's bytes (already read) to list. Throws AlarmFileError at the
// first line that cannot become a record; the records before it stay in the list.
void ReadAlarmText(std::string_view bytes, const std::string& path,
                   const AlarmLineOptions& options, AlarmList& list);

// Appends the file's records to list, then moves overdue alarms on (CatchUpAlarms) and sorts.
// A missing file is no error. Throws AlarmFileError (or Error when the file cannot be read);
// the list is caught up and sorted even then, so that it stays in order.
void LoadAlarmFile(const std::string& path, AlarmList& list, const AlarmLineOptions& options,
                   TDateTime now = Now());

// The file's text (UTF-8) for a list: one line per record, each ended by CR LF.
std::string FormatAlarmText(const AlarmList& list);

struct AlarmSaveResult {
    bool saved = false;
    std::string message; // empty when saved
    AlarmFileNotice notice = AlarmFileNotice::None;
};

// Writes the list atomically: an interrupted save leaves the old file or the new one. When
// another program holds the file, nothing is written (Plain box); when writing fails, the old
// file stays (Error box).
AlarmSaveResult SaveAlarmFile(const std::string& path, const AlarmList& list);

struct AlarmRecovery {
    std::string message; // shown in a warning box with an OK button
    bool backup_saved = false;
    std::string backup_path;
};

// After the start-up read failed: keeps a copy of the failed file's bytes in the program
// folder as "Default.bak" and empties the list. When no copy could be made, the caller must
// not write the empty list over the failed file, or the user's alarms would be gone for good.
AlarmRecovery RecoverAlarmFile(const std::string& failed_path, const std::string& error_message,
                               AlarmList& list);

} // namespace vistrel
