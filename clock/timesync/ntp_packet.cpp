#include "clock/timesync/ntp_packet.h"

namespace vistrel {

namespace {

constexpr std::size_t kOriginateOffset = 24;
constexpr std::size_t kTransmitOffset = 40;

void PutUint32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

std::uint32_t GetUint32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

NtpStamp GetStamp(std::span<const std::uint8_t> packet, std::size_t offset) {
    return {GetUint32(packet.data() + offset), GetUint32(packet.data() + offset + 4)};
}

} // namespace

NtpPacket BuildNtpRequest(NtpStamp transmit) {
    NtpPacket packet{};
    packet[0] = 0x1B;
    PutUint32(packet.data() + kTransmitOffset, transmit.seconds);
    PutUint32(packet.data() + kTransmitOffset + 4, transmit.fraction);
    return packet;
}

NtpReplyFault CheckNtpReply(std::span<const std::uint8_t> reply, NtpStamp request_transmit) {
    if (reply.size() < kNtpPacketSize) return NtpReplyFault::kTooShort;
    const unsigned leap = reply[0] >> 6;
    const unsigned version = (reply[0] >> 3) & 7u;
    const unsigned mode = reply[0] & 7u;
    const unsigned stratum = reply[1];
    if (leap == 3) return NtpReplyFault::kUnsynchronised;
    if (version != 3 && version != 4) return NtpReplyFault::kBadVersion;
    if (mode != 4) return NtpReplyFault::kNotServer;
    if (stratum == 0 || stratum > 15) return NtpReplyFault::kBadStratum;
    const NtpStamp originate = GetStamp(reply, kOriginateOffset);
    if (originate.IsZero() || !(originate == request_transmit)) {
        return NtpReplyFault::kWrongOriginate;
    }
    if (ReplyTransmitStamp(reply).IsZero()) return NtpReplyFault::kZeroTransmit;
    return NtpReplyFault::kNone;
}

NtpStamp ReplyTransmitStamp(std::span<const std::uint8_t> reply) {
    return GetStamp(reply, kTransmitOffset);
}

} // namespace vistrel
