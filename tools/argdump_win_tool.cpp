// Test helper: writes the command line it was started with (UTF-8) to the file named by its
// first argument. With "--slow" among its arguments it waits 2 s first, so that a test can
// tell whether its starter waited for it.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "clock/common/file_io.h"
#include "clock/common/wide_win.h"

int main() {
    const wchar_t* command_line = GetCommandLineW();
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(command_line, &count);
    if (args == nullptr || count < 2) return 2;
    const std::string target = vistrel::Narrow(args[1]);
    bool slow = false;
    for (int i = 2; i < count; ++i) slow = slow || std::wstring(args[i]) == L"--slow";
    LocalFree(args);
    if (slow) Sleep(2000);
    try {
        vistrel::WriteFileAtomic(target, vistrel::Narrow(command_line));
    } catch (...) {
        return 1;
    }
    return 0;
}
