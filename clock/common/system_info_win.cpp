#include <windows.h>

#include <lmcons.h>

#include <cwchar>
#include <iterator>

#include "clock/common/fpu.h"
#include "clock/common/handles_win.h"
#include "clock/common/system_info.h"
#include "clock/common/wide_win.h"

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(OSVERSIONINFOW) == 276);

namespace {
struct WindowsVersion {
    bool known = false;
    DWORD platform = 0, major = 0, minor = 0;
};

WindowsVersion QueryVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = GetVersionExW(&info);
#pragma GCC diagnostic pop
    if (!ok) return {};
    return {true, info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}
} // namespace

bool IsWindows95() {
    const WindowsVersion v = QueryVersion();
    return v.known && v.platform == VER_PLATFORM_WIN32_WINDOWS && v.major == 4 && v.minor == 0;
}

bool IsWindowsNT5() {
    const WindowsVersion v = QueryVersion();
    return v.known && v.platform == VER_PLATFORM_WIN32_NT && v.major == 5;
}

bool IsWindowsNT() {
    const WindowsVersion v = QueryVersion();
    return v.known && v.platform == VER_PLATFORM_WIN32_NT;
}

bool RasAvailable() {
    const UniqueModule ras(LoadLibraryW(L"rasapi32.dll"));
    // Loading it is one of the moments a library may change the control word.
    ResetFpu();
    return ras && GetProcAddress(ras.get(), "RasEnumConnectionsA") != nullptr;
}

std::string CurrentUserName() {
    wchar_t name[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(name, &size)) return kFallbackUserName;
    const std::wstring_view user(name, wcsnlen(name, std::size(name)));
    return user.empty() ? std::string(kFallbackUserName) : Narrow(user);
}

int ScreenColourDepth() {
    const WindowDc screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen.get(), BITSPIXEL) : 0;
}

} // namespace vistrel
