// Whole-file reads and atomic writes. Paths are UTF-8. A save writes a temporary file beside
// the target and then replaces it, so a crash or a full disk never leaves a half-written file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// The file's bytes, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes bytes to path atomically. Throws Error naming the file on failure; the old file, if
// any, is then left as it was.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

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

} // namespace vistrel
