// The file commands of the pop-up menu: saving the style under a name, and opening, adding and
// saving alarm files. They talk to the user through the shell services (the system's file
// dialogs) and ShowMessageBox; `owner` is the window the dialogs belong to (an HWND).
#pragma once

#include <string>

#include "clock/alarm/alarm_item.h"
#include "clock/alarm/alarm_line.h"
#include "clock/common/shell_services.h"
#include "clock/settings/option_item.h"

namespace vistrel {

FileDialogRequest StyleFileRequest(const std::string& folder);
FileDialogRequest AlarmFileRequest(const std::string& folder);

// The folder part of a path, with its trailing separator ("" when there is none).
std::string FolderOf(const std::string& path);

// May the chosen file be written? Asks before replacing an existing file and refuses, with the
// in-use warning, a file that another program holds open. Nothing is deleted beforehand: the
// write that follows replaces the file atomically, so a failed write keeps the old one.
bool MayWriteChosenFile(const std::string& path);

// "ｽﾀｲﾙﾃﾞｰﾀ" → "名前をつけて保存...": writes the style to a file chosen in option.StyleDir; the
// chosen file's folder becomes StyleDir. True when written.
bool SaveStyleAs(TOptionItem& option, void* owner);

enum class AlarmLoad { Replace, Add };
// "ｱﾗｰﾑ情報" → "開く..." (Replace: asks before discarding a non-empty list) and "追加読み込み"
// (Add: the file's alarms join the list). The chosen file's folder becomes `folder`. True when
// a file was read into the list. A file that cannot be read, or has a bad line, is reported as
// its box asks and changes nothing: neither the list nor `folder`.
bool LoadAlarms(AlarmLoad how, AlarmList& alarms, std::string& folder,
                const AlarmLineOptions& options, void* owner);

// "ｱﾗｰﾑ情報" → "名前をつけて保存...". True when written.
bool SaveAlarmsAs(const AlarmList& alarms, std::string& folder, void* owner);

} // namespace vistrel
