#include "clock/common/file_io.h"

#include <utility>

namespace vistrel {

namespace detail {
std::string PlatformProgramFolder(); // in the platform's file_io twin
}

namespace {
std::string& FolderOverride() {
    static std::string folder;
    return folder;
}

constinit FileReplacer* g_replacer = nullptr;

// About half a second in all: long enough for a backup program to let go of a file, short
// enough that the start-up does not seem to hang.
constexpr int kReadAttempts = 5;
} // namespace

FileRead ReadWholeFile(const std::string& path, std::size_t max_bytes) {
    FileRead read = detail::ReadFileOnce(path, max_bytes);
    for (int attempt = 1; attempt < kReadAttempts && read.failure == FileFailure::InUse;
         ++attempt) {
        detail::PauseBeforeRetry();
        read = detail::ReadFileOnce(path, max_bytes);
    }
    return read;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    if (g_replacer) return g_replacer->Replace(path, bytes);
    detail::ReplaceWholeFile(path, SaveTemporaryPath(path), bytes);
}

std::string SaveTemporaryPath(const std::string& path) { return path + ".vistrel-save"; }

bool RemoveLeftoverTemporary(const std::string& path) {
    const std::string temp = SaveTemporaryPath(path);
    return FileExists(temp) && detail::RemoveFile(temp);
}

FileReplacer* SetFileReplacerForTests(FileReplacer* replacer) {
    return std::exchange(g_replacer, replacer);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    FileRead read = ReadWholeFile(path);
    if (!read.ok()) return std::nullopt;
    return std::move(read.bytes);
}

std::string FileFailureAdvice(FileFailure failure, unsigned long code) {
    std::string advice;
    switch (failure) {
    case FileFailure::None: break;
    case FileFailure::Missing: advice = "ファイルが見つかりません。"; break;
    case FileFailure::InUse:
        advice = "ほかのプログラムがこのファイルを使用中です。そのプログラムを閉じてから"
                 "やり直してください。";
        break;
    case FileFailure::NoPermission:
        advice = "このファイルまたはフォルダへのアクセスが許可されていません。読み取り専用に"
                 "なっていないか、書き込める場所かを確かめてください。";
        break;
    case FileFailure::DiskFull:
        advice = "ディスクの空き容量が足りません。不要なファイルを削除してからやり直してください。";
        break;
    case FileFailure::TooLarge:
        advice = "ファイルが大きすぎます。この種類のファイルとは考えられません。";
        break;
    case FileFailure::Other: advice = "ファイルを扱えませんでした。"; break;
    }
    if (code != 0) advice += "（エラー " + std::to_string(code) + "）";
    return advice;
}

std::string ReadFailureText(const std::string& path, const FileRead& read) {
    return "「" + path + "」を読み込めませんでした。\r\n" +
           FileFailureAdvice(read.failure, read.code);
}

std::string WriteFailureText(const std::string& path, FileFailure failure, unsigned long code) {
    return "「" + path + "」に書き込めませんでした。\r\n" + FileFailureAdvice(failure, code);
}

void UnreadFiles::Add(const std::string& path) {
    if (!Contains(path)) paths_.push_back(path);
}

bool UnreadFiles::Contains(const std::string& path) const {
    for (const std::string& p : paths_) {
        if (p == path) return true;
    }
    return false;
}

std::string ProgramFolder() {
    if (!FolderOverride().empty()) return FolderOverride();
    return detail::PlatformProgramFolder();
}

void SetProgramFolderForTests(const std::string& folder) {
    FolderOverride() = folder;
    if (!folder.empty() && folder.back() != PathSeparator() && folder.back() != '/') {
        FolderOverride().push_back(PathSeparator());
    }
}

} // namespace vistrel
