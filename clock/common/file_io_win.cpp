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
std::string SystemErrorText(DWORD code) { return " (error " + std::to_string(code) + ")"; }
} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string out(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!out.empty() &&
        !ReadFile(file.get(), out.data(), static_cast<DWORD>(out.size()), &got, nullptr)) {
        return std::nullopt;
    }
    out.resize(got);
    return out;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    const std::wstring temp = target + L".tmp";
    {
        UniqueFile file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) throw Error("Cannot write " + path + SystemErrorText(GetLastError()));
        DWORD written = 0;
        const bool ok =
            bytes.empty() || (WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                        &written, nullptr) &&
                              written == bytes.size());
        const DWORD error = GetLastError();
        if (!ok || !FlushFileBuffers(file.get())) {
            file.reset();
            DeleteFileW(temp.c_str());
            throw Error("Cannot write " + path + SystemErrorText(error));
        }
    }
    if (!MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temp.c_str());
        throw Error("Cannot write " + path + SystemErrorText(error));
    }
}

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
