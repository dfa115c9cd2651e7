// Whole-file reads and atomic writes. Paths are UTF-8. A save writes a temporary file beside
// the target and then replaces it, so a crash or a full disk never leaves a half-written file.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/common/error.h"

namespace vistrel {

// Why a file could not be read or written, in the terms a user can act on.
enum class FileFailure { None, Missing, InUse, NoPermission, DiskFull, TooLarge, Other };

struct FileRead {
    FileFailure failure = FileFailure::None;
    unsigned long code = 0; // the system's error number, when there is one
    std::string bytes;      // the whole file when failure is None

    bool ok() const { return failure == FileFailure::None; }
    // A file that is not there can be created; any other failure means the file exists and
    // what it holds is unknown, so it must not be written over.
    bool missing() const { return failure == FileFailure::Missing; }
};

inline constexpr std::size_t kAnySize = std::numeric_limits<std::size_t>::max();

// Reads a whole file of at most max_bytes. A file that another program holds without sharing is
// tried again for a moment (a backup or sync program lets go quickly).
FileRead ReadWholeFile(const std::string& path, std::size_t max_bytes = kAnySize);

// The file's bytes, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// A failed write or read, with the Japanese text to show and the kind of failure.
class FileError : public Error {
public:
    FileError(const std::string& message, FileFailure failure, unsigned long code = 0)
        : Error(message), failure_(failure), code_(code) {}
    FileFailure failure() const { return failure_; }
    // The system's error number, when there is one.
    unsigned long code() const { return code_; }

private:
    FileFailure failure_;
    unsigned long code_;
};

// Writes bytes to path atomically. Throws FileError naming the file on failure; the old file, if
// any, is then left as it was.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// The temporary file a save of path writes before it replaces path: the name is ours alone
// (path + ".vistrel-save"), so that a leftover one can be told from a file we did not make.
std::string SaveTemporaryPath(const std::string& path);
// Removes the temporary file that a save of path left when it was killed; any other file is
// never touched. True when one was removed.
bool RemoveLeftoverTemporary(const std::string& path);

// The one step by which every save replaces a file. Tests put a recorder around it to count the
// replaces of a save, or to stop a save between two of them as a kill would.
class FileReplacer {
public:
    virtual ~FileReplacer() = default;
    virtual void Replace(const std::string& path, std::string_view bytes) = 0;
};
// Installs a replacer (nullptr restores the real one) and returns the one it replaced.
FileReplacer* SetFileReplacerForTests(FileReplacer* replacer);

// What the user can do about a failure, in Japanese, ending in the system's error number.
std::string FileFailureAdvice(FileFailure failure, unsigned long code);
// "「path」を読み込めませんでした。" / "...に書き込めませんでした。" followed by the advice.
std::string ReadFailureText(const std::string& path, const FileRead& read);
std::string WriteFailureText(const std::string& path, FileFailure failure, unsigned long code);

// The files that existed but could not be read when the program started: it never writes them
// during this run, so that nothing in them is lost once the cause (a program holding the file,
// a permission, a full disk) has gone.
class UnreadFiles {
public:
    void Add(const std::string& path);
    bool Contains(const std::string& path) const;
    bool Empty() const { return paths_.empty(); }

private:
    std::vector<std::string> paths_;
};

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates one folder; true when it exists afterwards.
bool MakeDirectory(const std::string& path);

// The folder of the running program, with a trailing path separator.
std::string ProgramFolder();
// Tests point the program folder elsewhere; an empty text restores the real one.
void SetProgramFolderForTests(const std::string& folder);

// The path separator of the platform.
char PathSeparator();

namespace detail {
// One attempt of ReadFile, in the platform's twin.
FileRead ReadFileOnce(const std::string& path, std::size_t max_bytes);
void PauseBeforeRetry();
// The real replace, in the platform's twin: bytes to temp, flushed, then moved over path.
void ReplaceWholeFile(const std::string& path, const std::string& temp, std::string_view bytes);
// Deletes a file; true when it is gone.
bool RemoveFile(const std::string& path);
} // namespace detail

} // namespace vistrel
