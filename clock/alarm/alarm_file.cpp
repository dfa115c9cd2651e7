#include "clock/alarm/alarm_file.h"

#include "clock/alarm/scheduler.h"
#include "clock/common/file_in_use.h"
#include "clock/common/file_io.h"
#include "clock/common/text_encoding.h"

namespace vistrel {

namespace {


// Calls f with each line of text, without its end (CR LF, LF or CR). A final line end does not
// start another line.
template <class F> void ForEachLine(std::string_view text, F&& f) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        f(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
}

std::string InUseMessage(const std::string& path) {
    return "ｱﾗｰﾑ情報ﾌｧｲﾙの保存に失敗しました。\r\n" + path + "\r\n" + "は他のﾌﾟﾛｸﾞﾗﾑで使用中です。";
}

std::string WriteFailedMessage(const std::string& path) {
    return "ｱﾗｰﾑ情報ﾌｧｲﾙ:" + path + "\r\n" + "の出力に失敗しました。";
}

constexpr const char* kRecoveryLead =
    "アラーム情報の取得に失敗しました。\r\n"
    "アラーム情報を破棄します。\r\n"
    "現在のアラーム情報は「Default.bak」に退避します。\r\n"
    "「Default.bak」内の日付の書式を「yyyy/mm/dd hh:mm:ss」に編集してください。\r\n"
    "ErrorMessage : ";

} // namespace

void ReadAlarmText(std::string_view bytes, const std::string& path,
                   const AlarmLineOptions& options, AlarmList& list) {
    const std::string text = DecodeTextFile(bytes);
    std::size_t line_number = 0;
    ForEachLine(text, [&](std::string_view line) {
        list.push_back(ParseAlarmLine(line, options, path, ++line_number));
    });
}

void LoadAlarmFile(const std::string& path, AlarmList& list, const AlarmLineOptions& options,
                   TDateTime now) {
    if (!FileExists(path)) return;
    const auto bytes = ReadFileBytes(path);
    if (!bytes) throw Error("Cannot read " + path);
    try {
        ReadAlarmText(*bytes, path, options, list);
    } catch (...) {
        // The scheduler looks only at the head, so the list must stay in order whatever
        // part of the file made it in.
        CatchUpAlarms(list, now);
        SortAlarms(list);
        throw;
    }
    CatchUpAlarms(list, now);
    SortAlarms(list);
}

std::string FormatAlarmText(const AlarmList& list) {
    std::string text;
    text.reserve(list.size() * 96);
    for (const TAlarmItem& item : list) {
        text += FormatAlarmLine(item);
        text += "\r\n";
    }
    return text;
}

AlarmSaveResult SaveAlarmFile(const std::string& path, const AlarmList& list) {
    if (FileInUse(path)) return {false, InUseMessage(path), AlarmFileNotice::Plain};
    try {
        WriteFileAtomic(path, EncodeTextFile(FormatAlarmText(list)));
    } catch (const Error&) {
        return {false, WriteFailedMessage(path), AlarmFileNotice::Error};
    }
    return {true, {}, AlarmFileNotice::None};
}

AlarmRecovery RecoverAlarmFile(const std::string& failed_path, const std::string& error_message,
                               AlarmList& list) {
    AlarmRecovery r;
    r.message = kRecoveryLead + error_message;
    r.backup_path = ProgramFolder() + "Default.bak";
    if (const auto bytes = ReadFileBytes(failed_path)) {
        try {
            WriteFileAtomic(r.backup_path, *bytes);
            r.backup_saved = true;
        } catch (const Error&) {
            r.backup_saved = false;
        }
    }
    list.clear();
    return r;
}

} // namespace vistrel
