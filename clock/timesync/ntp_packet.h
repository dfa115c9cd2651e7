// The 48-byte SNTP client request and the checks that a server's reply must pass before its
// time may set the computer's clock.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "clock/timesync/ntp_time.h"

namespace vistrel {

inline constexpr std::size_t kNtpPacketSize = 48;
using NtpPacket = std::array<std::uint8_t, kNtpPacketSize>;

// Leap indicator 0, version 3, mode 3 (client); everything zero but the transmit timestamp.
NtpPacket BuildNtpRequest(NtpStamp transmit);

enum class NtpReplyFault {
    kNone,
    kTooShort,       // fewer than 48 bytes
    kUnsynchronised, // leap indicator 3
    kBadVersion,     // neither 3 nor 4
    kNotServer,      // mode other than 4
    kBadStratum,     // 0 (kiss-o'-death) or 16 and above
    kWrongOriginate, // not the transmit timestamp of our request (or zero)
    kZeroTransmit,
};

// What is wrong with a reply to the request sent with `request_transmit`; only the first 48
// bytes count.
NtpReplyFault CheckNtpReply(std::span<const std::uint8_t> reply, NtpStamp request_transmit);

// The server's transmit timestamp (bytes 40-47); the reply must hold 48 bytes.
NtpStamp ReplyTransmitStamp(std::span<const std::uint8_t> reply);

} // namespace vistrel
