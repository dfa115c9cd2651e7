#include "clock/timesync/icmp_echo_win.h"

#include <vector>

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(ICMP_ECHO_REPLY) == 40);

namespace {

template <class Fn> Fn LoadFunction(HMODULE module, const char* name) {
    // Through void*: a FARPROC cast straight to another function type draws a warning.
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

IcmpEcho::IcmpEcho() {
    if (!winsock_.Started()) throw TICMPException("Error initialising Winsock");
    library_.reset(LoadLibraryW(L"iphlpapi.dll"));
    if (!library_) throw TICMPException("Unable to register icmp.dll");
    create_ = LoadFunction<CreateFileFn>(library_.get(), "IcmpCreateFile");
    close_ = LoadFunction<CloseHandleFn>(library_.get(), "IcmpCloseHandle");
    send_ = LoadFunction<SendEchoFn>(library_.get(), "IcmpSendEcho");
    if (!create_ || !close_ || !send_) throw TICMPException("Error loading dll functions");
    icmp_ = create_();
    if (icmp_ == INVALID_HANDLE_VALUE) throw TICMPException("Unable to get ping handle");
}

IcmpEcho::~IcmpEcho() {
    if (icmp_ != INVALID_HANDLE_VALUE) close_(icmp_);
}

EchoResult IcmpEcho::PingOnce(const std::string& address) {
    const auto target = ParseDottedAddress(address);
    // The limited broadcast address would go to the whole segment: no echo there either.
    if (!target || target->s_addr == INADDR_NONE || target->s_addr == INADDR_ANY) {
        return {false, 0, kIcmpBadDestination};
    }
    EchoData data = EchoRequestData();
    // Room for the reply header, our data echoed back and an ICMP error message.
    std::vector<std::uint8_t> reply(sizeof(ICMP_ECHO_REPLY) + kEchoDataSize + 8 + 64, 0);
    IP_OPTION_INFORMATION options{};
    options.Ttl = kEchoTtl;
    const DWORD replies =
        send_(icmp_, target->s_addr, data.data(), static_cast<WORD>(data.size()), &options,
              reply.data(), static_cast<DWORD>(reply.size()), kEchoTimeoutMs);
    if (replies == 0) {
        const DWORD err = GetLastError();
        return {false, 0, err != 0 ? err : kIcmpTimedOut};
    }
    const auto* header = reinterpret_cast<const ICMP_ECHO_REPLY*>(reply.data());
    return {true, header->RoundTripTime, header->Status};
}

} // namespace vistrel
