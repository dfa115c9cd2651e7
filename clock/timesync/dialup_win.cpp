#include "clock/timesync/dialup_win.h"

#include <wininet.h>

#include <vector>

#include "clock/common/fpu.h"
#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"
#include "clock/common/system_info.h"

namespace vistrel {

namespace {

// The first version of the platform's connection record (412 bytes in a 32-bit process).
struct RasConnectionV1 {
    DWORD dwSize;
    HANDLE hrasconn;
    char szEntryName[257];
    char szDeviceType[17];
    char szDeviceName[129];
};
constexpr int kMaxConnections = 100;

using RasEnumConnectionsFn = DWORD(WINAPI*)(RasConnectionV1*, DWORD*, DWORD*);

RasEnumConnectionsFn FindRasEnum(HMODULE module) {
    // Through void*: a FARPROC cast straight to another function type draws a warning.
    return reinterpret_cast<RasEnumConnectionsFn>(
        reinterpret_cast<void*>(GetProcAddress(module, "RasEnumConnectionsA")));
}

// Without remote-access support the library is simply missing; that is no error to report.
UniqueModule LoadRasLibrary() {
    const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    UniqueModule module(LoadLibraryW(L"rasapi32.dll"));
    SetErrorMode(old_mode);
    // Loading it is one of the moments a library may change the control word.
    ResetFpu();
    return module;
}

} // namespace

void DefaultDialUpNotice(const std::string& text, UINT type) {
    ShowMessageBox(text, (type & MB_ICONWARNING) ? MsgType::Warning : MsgType::Plain);
}

int RasConnectionCount(const DialUpNotice& notice) {
    const UniqueModule ras = LoadRasLibrary();
    const RasEnumConnectionsFn enumerate = ras ? FindRasEnum(ras.get()) : nullptr;
    if (!enumerate) {
        notice("rasapi32.dll が ロードできませんでした。", MB_ICONWARNING | MB_OK);
        return 0;
    }
    std::vector<RasConnectionV1> connections(kMaxConnections);
    connections[0].dwSize = sizeof(RasConnectionV1);
    DWORD bytes = static_cast<DWORD>(connections.size() * sizeof(RasConnectionV1));
    DWORD count = 0;
    if (enumerate(connections.data(), &bytes, &count) != 0) {
        notice("RasEnumConnections failed.", MB_OK);
        return 0;
    }
    return static_cast<int>(count);
}

bool WindowsDialUp::RasAvailable() { return vistrel::RasAvailable(); }

int WindowsDialUp::RasConnectionCount() { return vistrel::RasConnectionCount(notice_); }

bool WindowsDialUp::AutoDial() {
    return InternetAutodial(INTERNET_AUTODIAL_FORCE_UNATTENDED, nullptr) != FALSE;
}

bool WindowsDialUp::AttemptConnect() { return InternetAttemptConnect(0) == ERROR_SUCCESS; }

void WindowsDialUp::AutoDialHangUp() { InternetAutodialHangup(0); }

} // namespace vistrel
