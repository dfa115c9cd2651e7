#include "clock/app/file_commands.h"

#include <exception>

#include "clock/alarm/alarm_file.h"
#include "clock/common/file_in_use.h"
#include "clock/common/file_io.h"
#include "clock/common/message_box.h"
#include "clock/face/style_file.h"
#include "clock/settings/ini_file.h"

namespace vistrel {

namespace {

MsgType BoxFor(AlarmFileNotice notice) {
    switch (notice) {
    case AlarmFileNotice::Warning: return MsgType::Warning;
    case AlarmFileNotice::Error: return MsgType::Error;
    default: return MsgType::Plain;
    }
}

constexpr const char* kAlarmsKept = "\r\n現在のアラーム情報は変わりません。";

void TakeFolderOf(const std::string& path, std::string& folder) {
    const std::string chosen = FolderOf(path);
    if (!chosen.empty() && chosen != folder) folder = chosen;
}

} // namespace

FileDialogRequest StyleFileRequest(const std::string& folder) {
    return {folder, "vsy", "Vistrel Style DATA files (*.vsy)|*.vsy"};
}

FileDialogRequest AlarmFileRequest(const std::string& folder) {
    return {folder, "vsa", "Vistrel Alarm DATA files (*.vsa)|*.vsa"};
}

std::string FolderOf(const std::string& path) {
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

bool MayWriteChosenFile(const std::string& path) {
    if (!FileExists(path)) return true;
    const std::string question =
        path + "\r\n" + "このファイルはすでに存在します。" + "\r\n" + "\r\n" + "上書きしますか？";
    if (ShowMessageBox(question, MsgType::Information, MsgButtons::YesNo) != MsgResult::Yes) {
        return false;
    }
    if (FileInUse(path)) {
        ShowMessageBox(path + "\r\n" + "このファイルは他のプログラムで使用中です。",
                       MsgType::Warning);
        return false;
    }
    return true;
}

bool SaveStyleAs(TOptionItem& option, void* owner) {
    const auto path =
        CurrentShellServices().ChooseFileToSave(StyleFileRequest(option.StyleDir), owner);
    if (!path || !MayWriteChosenFile(*path)) return false;
    try {
        // The chosen file is replaced, not merged into: the new file holds this style alone.
        IniFile fresh(*path, std::string_view{});
        WriteStyle(fresh, option);
        fresh.UpdateFile();
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
        return false;
    }
    TakeFolderOf(*path, option.StyleDir);
    return true;
}

bool LoadAlarms(AlarmLoad how, AlarmList& alarms, std::string& folder,
                const AlarmLineOptions& options, void* owner) {
    const auto path = CurrentShellServices().ChooseFileToOpen(AlarmFileRequest(folder), owner);
    if (!path) return false;
    if (how == AlarmLoad::Replace && !alarms.empty() &&
        ShowMessageBox("現在のアラーム情報を破棄して、データファイルを読み込みます。\r\n"
                       "よろしいですか",
                       MsgType::Information, MsgButtons::YesNo) != MsgResult::Yes) {
        return false;
    }
    // The whole file is read before the list is touched: a file that cannot be read leaves the
    // alarms as they were, not half added and never traded for none.
    AlarmList read = how == AlarmLoad::Add ? alarms : AlarmList{};
    try {
        LoadAlarmFile(*path, read, options);
    } catch (const AlarmFileError& e) {
        if (!e.warning().empty()) ShowMessageBox(e.warning(), MsgType::Warning);
        ShowMessageBox(e.what() + std::string(kAlarmsKept), MsgType::Warning);
        return false;
    } catch (const std::exception& e) {
        ShowMessageBox(e.what() + std::string(kAlarmsKept), MsgType::Warning);
        return false;
    }
    alarms = std::move(read);
    TakeFolderOf(*path, folder);
    return true;
}

bool SaveAlarmsAs(const AlarmList& alarms, std::string& folder, void* owner) {
    const auto path = CurrentShellServices().ChooseFileToSave(AlarmFileRequest(folder), owner);
    if (!path || !MayWriteChosenFile(*path)) return false;
    const AlarmSaveResult result = SaveAlarmFile(*path, alarms);
    if (!result.saved) {
        if (!result.message.empty()) ShowMessageBox(result.message, BoxFor(result.notice));
        return false;
    }
    TakeFolderOf(*path, folder);
    return true;
}

} // namespace vistrel
