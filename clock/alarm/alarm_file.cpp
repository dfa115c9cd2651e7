#include "clock/alarm/alarm_file.h"

#include <iterator>

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

// The designed text, then the cause and what to do about it, as a failed settings save says.
std::string WriteFailedMessage(const std::string& path, const FileError& e) {
    return "ｱﾗｰﾑ情報ﾌｧｲﾙ:" + path + "\r\n" + "の出力に失敗しました。\r\n" +
           FileFailureAdvice(e.failure(), e.code());
}

std::string RecoveryMessage(const std::string& backup_name, const std::string& error) {
    return "アラーム情報の取得に失敗しました。\r\n"
           "アラーム情報を破棄します。\r\n"
           "現在のアラーム情報は「" +
           backup_name +
           "」に退避します。\r\n"
           "「" +
           backup_name +
           "」内の日付の書式を「yyyy/mm/dd hh:mm:ss」に編集してください。\r\n"
           "ErrorMessage : " +
           error;
}

std::string NoBackupMessage(const std::string& path, const std::string& why,
                            const std::string& error) {
    return "アラーム情報の取得に失敗しました。\r\n"
           "「Default.bak」に退避できなかったため、アラーム情報ファイル\r\n" +
           path + "\r\nはそのまま残し、書き換えません。" + why +
           "\r\n"
           "ErrorMessage : " +
           error;
}

constexpr const char* kKeptUnread =
    "\r\nアラームなしで動きます。このファイルはそのまま残し、書き換えません。";

std::string Utf16Message(const std::string& path) {
    return "アラーム情報ファイル「" + path +
           "」は文字コードが UTF-16 のため読み込めません。\r\n"
           "Shift-JIS か UTF-8 で保存し直してください。";
}

// The bytes of an alarm file, or the Japanese reason why there are none. Missing gives "".
struct AlarmBytes {
    std::optional<std::string> bytes;
    std::string failure;
};

AlarmBytes ReadAlarmBytes(const std::string& path) {
    FileRead read = ReadWholeFile(path);
    if (read.missing()) return {std::string(), {}};
    if (!read.ok()) return {std::nullopt, ReadFailureText(path, read)};
    if (LooksLikeUtf16(read.bytes)) return {std::nullopt, Utf16Message(path)};
    return {std::move(read.bytes), {}};
}

void CatchUpAndSort(AlarmList& list, TDateTime now, MissedAlarms* missed = nullptr) {
    CatchUpAlarms(list, now, missed);
    SortAlarms(list);
}

// Where a copy of failed bytes goes: "Default.bak" unless an earlier backup with other
// contents is there, then the first numbered name that is free or already holds these bytes.
std::optional<std::string> BackupPathFor(const std::string& bytes) {
    const std::string folder = ProgramFolder();
    for (int n = 0; n < 1000; ++n) {
        const std::string name =
            n == 0 ? std::string("Default.bak") : "Default." + std::to_string(n) + ".bak";
        const std::string path = folder + name;
        const FileRead existing = ReadWholeFile(path);
        if (existing.missing() || (existing.ok() && existing.bytes == bytes)) return path;
    }
    return std::nullopt;
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void ReadAlarmText(std::string_view bytes, const std::string& path, const AlarmLineOptions& options,
                   AlarmList& list) {
    const std::string text = DecodeTextFile(bytes);
    AlarmList read;
    std::size_t line_number = 0;
    ForEachLine(text, [&](std::string_view line) {
        read.push_back(ParseAlarmLine(line, options, path, ++line_number));
    });
    list.insert(list.end(), std::make_move_iterator(read.begin()),
                std::make_move_iterator(read.end()));
}

void LoadAlarmFile(const std::string& path, AlarmList& list, const AlarmLineOptions& options,
                   TDateTime now) {
    const AlarmBytes file = ReadAlarmBytes(path);
    if (!file.bytes) throw Error(file.failure);
    ReadAlarmText(*file.bytes, path, options, list);
    CatchUpAndSort(list, now);
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
    } catch (const FileError& e) {
        return {false, WriteFailedMessage(path, e), AlarmFileNotice::Error};
    } catch (const Error& e) {
        return {false, WriteFailedMessage(path, FileError(e.what(), FileFailure::Other)),
                AlarmFileNotice::Error};
    }
    return {true, {}, AlarmFileNotice::None};
}

AlarmRecovery RecoverAlarmFile(const std::string& failed_path, const std::string& error_message,
                               AlarmList& list) {
    AlarmRecovery r;
    list.clear();
    const FileRead failed = ReadWholeFile(failed_path);
    if (!failed.ok()) {
        r.message = NoBackupMessage(failed_path, "\r\n" + ReadFailureText(failed_path, failed),
                                    error_message);
        return r;
    }
    const auto backup = BackupPathFor(failed.bytes);
    if (!backup) {
        r.message =
            NoBackupMessage(failed_path, "\r\n退避先の名前が残っていません。", error_message);
        return r;
    }
    try {
        WriteFileAtomic(*backup, failed.bytes);
    } catch (const Error& e) {
        r.message = NoBackupMessage(failed_path, std::string("\r\n") + e.what(), error_message);
        return r;
    }
    r.backup_saved = true;
    r.backup_path = *backup;
    r.message = RecoveryMessage(FileNameOf(*backup), error_message);
    return r;
}

AlarmStartup LoadAlarmFileAtStartup(const std::string& path, AlarmList& list,
                                    const AlarmLineOptions& options, TDateTime now) {
    AlarmStartup startup;
    const AlarmBytes file = ReadAlarmBytes(path);
    if (!file.bytes) {
        startup.notices.push_back({file.failure + kKeptUnread, AlarmFileNotice::Warning});
        startup.keep_file = true;
        return startup;
    }
    try {
        ReadAlarmText(*file.bytes, path, options, list);
    } catch (const AlarmFileError& e) {
        if (!e.warning().empty()) {
            startup.notices.push_back({e.warning(), AlarmFileNotice::Warning});
        }
        const AlarmRecovery recovery = RecoverAlarmFile(path, e.what(), list);
        startup.notices.push_back({recovery.message, AlarmFileNotice::Warning});
        startup.keep_file = !recovery.backup_saved;
    }
    CatchUpAndSort(list, now, &startup.missed);
    return startup;
}

} // namespace vistrel
