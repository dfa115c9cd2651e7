// The alarm file: one comma-separated line per alarm, CR LF line ends, Shift-JIS on disk (UTF-8
// with a byte-order mark when Shift-JIS cannot hold some text). Message boxes belong to the
// caller: every result carries the exact text to show and the kind of box.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "clock/alarm/alarm_item.h"
#include "clock/alarm/scheduler.h"
#include "clock/alarm/alarm_line.h"
#include "clock/common/clock_source.h"

namespace vistrel {

// The kinds of message box that the alarm file's results ask for.
enum class AlarmFileNotice { None, Plain, Warning, Error };

// Appends the records of a file's bytes (already read) to list. Throws AlarmFileError at the
// first line that cannot become a record; the whole file is read first, so nothing of a file
// with a bad line is added.
void ReadAlarmText(std::string_view bytes, const std::string& path, const AlarmLineOptions& options,
                   AlarmList& list);

// Appends the file's records to list, then moves overdue alarms on (CatchUpAlarms) and sorts.
// A missing file is no error. Throws AlarmFileError (or Error naming the file, in Japanese, when
// it cannot be read or is UTF-16); the list is then as it was.
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
// folder as "Default.bak" and empties the list. An earlier backup with other contents is never
// replaced: the copy then goes to "Default.1.bak", "Default.2.bak", ... and the message names
// the file written. When no copy could be made, the message says that the alarm file stays as
// it is, and the caller must not write over it, or the user's alarms would be gone for good.
AlarmRecovery RecoverAlarmFile(const std::string& failed_path, const std::string& error_message,
                               AlarmList& list);

// The start-up load: the file's records into list (caught up and sorted), and what the user is
// told on the way. keep_file is set when the file exists but could not be taken in (held by
// another program, no permission, UTF-16, a bad line that could not be backed up): the run must
// then never write it, so that nothing is lost once the cause has gone.
struct AlarmStartup {
    struct Notice {
        std::string text;
        AlarmFileNotice kind = AlarmFileNotice::Warning;
    };
    std::vector<Notice> notices; // in the order they are shown
    bool keep_file = false;
    MissedAlarms missed; // overdue alarms the catch-up moved on or dropped
};
AlarmStartup LoadAlarmFileAtStartup(const std::string& path, AlarmList& list,
                                    const AlarmLineOptions& options, TDateTime now = Now());

} // namespace vistrel
