// Host twin of the file helpers, for the native tests.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

#include "clock/common/error.h"
#include "clock/common/file_io.h"

namespace vistrel {

namespace detail {
std::string PlatformProgramFolder() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}
} // namespace detail

char PathSeparator() { return '/'; }

namespace {
FileFailure FailureOf(int e) {
    switch (e) {
    case ENOENT:
    case ENOTDIR: return FileFailure::Missing;
    case EACCES:
    case EPERM:
    case EROFS: return FileFailure::NoPermission;
    case ENOSPC:
    case EDQUOT: return FileFailure::DiskFull;
    case EBUSY:
    case ETXTBSY: return FileFailure::InUse;
    case EFBIG: return FileFailure::TooLarge;
    default: return FileFailure::Other;
    }
}

[[noreturn]] void ThrowWriteFailure(const std::string& path, int e) {
    const FileFailure failure = FailureOf(e);
    const unsigned long code = static_cast<unsigned long>(e);
    throw FileError(WriteFailureText(path, failure, code), failure, code);
}
} // namespace

namespace detail {
FileRead ReadFileOnce(const std::string& path, std::size_t max_bytes) {
    FileRead read;
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        read.failure = FailureOf(errno);
        read.code = static_cast<unsigned long>(errno);
        return read;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        read.failure = S_ISDIR(st.st_mode) ? FileFailure::Other : FailureOf(errno);
        close(fd);
        return read;
    }
    if (static_cast<unsigned long long>(st.st_size) > max_bytes) {
        read.failure = FileFailure::TooLarge;
        close(fd);
        return read;
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            read.failure = FailureOf(errno);
            read.code = static_cast<unsigned long>(errno);
            read.bytes.clear();
            break;
        }
        read.bytes.append(buf, static_cast<std::size_t>(n));
    }
    close(fd);
    return read;
}

void PauseBeforeRetry() { std::this_thread::sleep_for(std::chrono::milliseconds(100)); }
} // namespace detail

namespace detail {
void ReplaceWholeFile(const std::string& path, const std::string& temp, std::string_view bytes) {
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) ThrowWriteFailure(path, errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = write(fd, bytes.data() + done, bytes.size() - done);
        if (w <= 0) {
            const int e = w < 0 ? errno : ENOSPC;
            close(fd);
            unlink(temp.c_str());
            ThrowWriteFailure(path, e);
        }
        done += static_cast<std::size_t>(w);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        const int e = errno;
        unlink(temp.c_str());
        ThrowWriteFailure(path, e);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        unlink(temp.c_str());
        ThrowWriteFailure(path, e);
    }
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }
} // namespace detail

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeDirectory(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0 || DirectoryExists(path);
}

} // namespace vistrel
