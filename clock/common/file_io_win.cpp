#include <windows.h>

#include "clock/common/error.h"
#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"

namespace vistrel {

namespace detail {
std::string PlatformProgramFolder() {
    wchar_t buf[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
    std::wstring path(buf, n);
    return Narrow(path.substr(0, path.find_last_of(L"\\/") + 1));
}
} // namespace detail

char PathSeparator() { return '\\'; }

namespace {
FileFailure FailureOf(DWORD e) {
    switch (e) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH: return FileFailure::Missing;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return FileFailure::InUse;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return FileFailure::NoPermission;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FileFailure::DiskFull;
    case ERROR_FILE_TOO_LARGE: return FileFailure::TooLarge;
    default: return FileFailure::Other;
    }
}

[[noreturn]] void ThrowWriteFailure(const std::string& path, DWORD e) {
    const FileFailure failure = FailureOf(e);
    const unsigned long code = e;
    throw FileError(WriteFailureText(path, failure, code), failure, code);
}
} // namespace

namespace detail {
FileRead ReadFileOnce(const std::string& path, std::size_t max_bytes) {
    FileRead read;
    const auto fail = [&read](FileFailure failure, DWORD code) {
        read.failure = failure;
        read.code = code;
        read.bytes.clear();
        return read;
    };
    UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD e = GetLastError();
        // A folder of that name answers "access denied"; it is no file to read.
        if (e == ERROR_ACCESS_DENIED && DirectoryExists(path)) return fail(FileFailure::Other, e);
        return fail(FailureOf(e), e);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return fail(FailureOf(GetLastError()), GetLastError());
    if (static_cast<unsigned long long>(size.QuadPart) > max_bytes || size.QuadPart > 0x7FFFFFFF) {
        return fail(FileFailure::TooLarge, 0);
    }
    read.bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!read.bytes.empty() && !::ReadFile(file.get(), read.bytes.data(),
                                           static_cast<DWORD>(read.bytes.size()), &got, nullptr)) {
        const DWORD e = GetLastError();
        return fail(FailureOf(e), e);
    }
    read.bytes.resize(got);
    return read;
}

void PauseBeforeRetry() { Sleep(100); }
} // namespace detail

namespace detail {
void ReplaceWholeFile(const std::string& path, const std::string& temp_path,
                      std::string_view bytes) {
    const std::wstring target = Widen(path);
    const std::wstring temp = Widen(temp_path);
    {
        UniqueFile file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) ThrowWriteFailure(path, GetLastError());
        DWORD written = 0;
        const bool written_all =
            bytes.empty() || (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                        &written, nullptr) &&
                              written == bytes.size());
        DWORD error = written_all ? ERROR_SUCCESS : GetLastError();
        if (written_all && !FlushFileBuffers(file.get())) error = GetLastError();
        if (!written_all || error != ERROR_SUCCESS) {
            file.reset();
            DeleteFileW(temp.c_str());
            // A short write without an error code is a full disk.
            ThrowWriteFailure(path, error == ERROR_SUCCESS ? ERROR_DISK_FULL : error);
        }
    }
    if (!MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temp.c_str());
        ThrowWriteFailure(path, error);
    }
}

bool RemoveFile(const std::string& path) { return DeleteFileW(Widen(path).c_str()) != 0; }
} // namespace detail

bool FileExists(const std::string& path) {
    const DWORD a = GetFileAttributesW(Widen(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    const DWORD a = GetFileAttributesW(Widen(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeDirectory(const std::string& path) {
    return CreateDirectoryW(Widen(path).c_str(), nullptr) || DirectoryExists(path);
}

} // namespace vistrel
