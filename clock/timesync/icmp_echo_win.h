// ICMP echo requests through the system's echo service, loaded by name when needed.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include <string>

#include "clock/common/error.h"
#include "clock/common/handles_win.h"
#include "clock/timesync/echo_status.h"
#include "clock/timesync/winsock_win.h"

namespace vistrel {

// The echo service cannot be used; its text is the one the user sees.
class TICMPException : public Error {
public:
    using Error::Error;
};

class IcmpEcho {
public:
    // Throws TICMPException: "Error initialising Winsock", "Unable to register icmp.dll",
    // "Error loading dll functions" or "Unable to get ping handle".
    IcmpEcho();
    ~IcmpEcho();
    IcmpEcho(const IcmpEcho&) = delete;
    IcmpEcho& operator=(const IcmpEcho&) = delete;

    // One echo of 56 bytes (TTL 64, 4000 ms) to a dotted address. An address that cannot be
    // used is no reply with "Bad Destination" and is never sent.
    EchoResult PingOnce(const std::string& address);

private:
    using CreateFileFn = HANDLE(WINAPI*)();
    using CloseHandleFn = BOOL(WINAPI*)(HANDLE);
    using SendEchoFn = DWORD(WINAPI*)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION, LPVOID,
                                      DWORD, DWORD);

    WinsockSession winsock_;
    UniqueModule library_;
    CreateFileFn create_ = nullptr;
    CloseHandleFn close_ = nullptr;
    SendEchoFn send_ = nullptr;
    HANDLE icmp_ = INVALID_HANDLE_VALUE;
};

} // namespace vistrel
