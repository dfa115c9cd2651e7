#include <windows.h>

#include <string>

#include "clock/common/error.h"
#include "clock/common/handles_win.h"
#include "clock/common/run_command.h"
#include "clock/common/wide_win.h"

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(STARTUPINFOW) == 104);

void StartCommandLine(const std::string& command_line) {
    // CreateProcessW may write into the command line, so it gets a buffer of its own.
    std::wstring buffer = Widen(command_line);
    // The started program opens the way the clock was asked to open (its show state), but
    // gets none of its handles: the standard handles and the C runtime's inherited-file table
    // of this process would mean nothing to it without inheritance.
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    startup.cb = sizeof startup;
    if (startup.dwFlags & STARTF_USESTDHANDLES) {
        startup.dwFlags &= ~static_cast<DWORD>(STARTF_USESTDHANDLES);
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nullptr;
    }
    startup.lpReserved = nullptr;
    startup.cbReserved2 = 0;
    startup.lpReserved2 = nullptr;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE,
                        nullptr, nullptr, &startup, &process)) {
        throw Error("Exec Error " + std::to_string(GetLastError()));
    }
    // Not waited for: only our handles to it go.
    const UniqueHandle thread(process.hThread);
    const UniqueHandle started(process.hProcess);
}

} // namespace vistrel
