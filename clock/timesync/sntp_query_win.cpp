#include "clock/timesync/sntp_query_win.h"

#include <array>
#include <random>

#include "clock/common/clock_source.h"
#include "clock/common/error.h"
#include "clock/common/handles_win.h"
#include "clock/timesync/message_pump_win.h"
#include "clock/timesync/ntp_packet.h"
#include "clock/timesync/winsock_win.h"

namespace vistrel {

namespace {

[[noreturn]] void ThrowSocketError(const char* what) {
    throw Error(std::string(what) + " failed, error #" + std::to_string(WSAGetLastError()));
}

bool SameEndpoint(const sockaddr_in& a, const sockaddr_in& b) {
    return a.sin_family == b.sin_family && a.sin_port == b.sin_port &&
           a.sin_addr.s_addr == b.sin_addr.s_addr;
}

// The reply's verdict, or nothing yet when no datagram from the server is waiting.
std::optional<TDateTime> ReadReply(SOCKET s, const sockaddr_in& server, NtpStamp sent) {
    for (;;) {
        // Larger than a packet: extension fields or an authenticator may follow the 48 bytes.
        std::array<std::uint8_t, 512> buf{};
        sockaddr_in from{};
        int from_len = sizeof from;
        const int n = recvfrom(s, reinterpret_cast<char*>(buf.data()), static_cast<int>(buf.size()),
                               0, reinterpret_cast<sockaddr*>(&from), &from_len);
        int length = n;
        if (n == SOCKET_ERROR) {
            const int err = WSAGetLastError();
            if (err == WSAEWOULDBLOCK) return std::nullopt;
            if (err != WSAEMSGSIZE) ThrowSocketError("recvfrom");
            length = static_cast<int>(buf.size());
        }
        // Anyone may send us a datagram; only the server we asked may set the clock.
        if (!SameEndpoint(from, server)) continue;
        const std::span<const std::uint8_t> reply(buf.data(), static_cast<std::size_t>(length));
        if (CheckNtpReply(reply, sent) != NtpReplyFault::kNone) return TDateTime{0};
        return NtpStampToLocalTime(ReplyTransmitStamp(reply), LocalBiasMinutes());
    }
}

NtpStamp TransmitStamp() {
    std::random_device random;
    return WithRandomSubMillisecond(LocalTimeToNtpStamp(Now(), LocalBiasMinutes()), random());
}

} // namespace

int LocalBiasMinutes() {
    TIME_ZONE_INFORMATION tz{};
    switch (GetTimeZoneInformation(&tz)) {
    case TIME_ZONE_ID_STANDARD: return static_cast<int>(tz.Bias + tz.StandardBias);
    case TIME_ZONE_ID_DAYLIGHT: return static_cast<int>(tz.Bias + tz.DaylightBias);
    case TIME_ZONE_ID_UNKNOWN: return static_cast<int>(tz.Bias);
    default: throw Error("GetTimeZoneInformation failed, error #" + std::to_string(GetLastError()));
    }
}

TDateTime QueryServerTime(const std::string& address, int wait_ms, unsigned short port) {
    WinsockSession winsock;
    if (!winsock.Started()) throw Error("Error initialising Winsock");
    const auto target = ParseDottedAddress(address);
    if (!target) throw Error("'" + address + "' is no IPv4 address");
    sockaddr_in server{};
    server.sin_family = AF_INET;
    server.sin_port = htons(port);
    server.sin_addr = *target;

    UniqueSocket s(socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!s) ThrowSocketError("socket");
    UniqueHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!ready || WSAEventSelect(s.get(), ready.get(), FD_READ) != 0) ThrowSocketError("select");

    const NtpStamp sent = TransmitStamp();
    const NtpPacket request = BuildNtpRequest(sent);
    if (sendto(s.get(), reinterpret_cast<const char*>(request.data()),
               static_cast<int>(request.size()), 0, reinterpret_cast<const sockaddr*>(&server),
               sizeof server) != static_cast<int>(request.size())) {
        ThrowSocketError("sendto");
    }

    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(wait_ms < 0 ? 0 : wait_ms);
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return 0;
        if (!WaitWithMessages(ready.get(), static_cast<DWORD>(deadline - now))) return 0;
        ResetEvent(ready.get());
        if (const auto verdict = ReadReply(s.get(), server, sent)) return *verdict;
    }
}

} // namespace vistrel
