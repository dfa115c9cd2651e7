#include "clock/timesync/dialup_win.h"

#include <ras.h>
#include <wininet.h>

#include <vector>

#include "clock/common/fpu.h"
#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"
#include "clock/common/system_info.h"

namespace vistrel {

namespace {

// The platform header's record, packed to 4 bytes as the system declares it: the library
// checks dwSize against the sizes of its own versions and refuses any other with
// ERROR_INVALID_SIZE. The header's version is the one with the LUID (Windows XP's), which every
// later system accepts; a record of our own would be padded to other sizes.
static_assert(sizeof(RASCONNA) == 708, "RASCONNA of the platform header, x64");
constexpr int kMaxConnections = 100;

using RasEnumConnectionsFn = DWORD(WINAPI*)(RASCONNA*, DWORD*, DWORD*);

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
    std::vector<RASCONNA> connections(kMaxConnections);
    connections[0].dwSize = sizeof(RASCONNA);
    DWORD bytes = static_cast<DWORD>(connections.size() * sizeof(RASCONNA));
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
