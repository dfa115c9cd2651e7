#include "clock/timesync/ntp_packet.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vistrel;

namespace {

const NtpStamp kSent{0xEB0A1234u, 0x00ABCDEFu};

// A reply as a sound server gives it: LI 0, version 4, mode 4, stratum 2.
std::vector<std::uint8_t> GoodReply() {
    std::vector<std::uint8_t> r(48, 0);
    r[0] = 0x24;
    r[1] = 2;
    const std::uint8_t originate[8] = {0xEB, 0x0A, 0x12, 0x34, 0x00, 0xAB, 0xCD, 0xEF};
    std::copy(std::begin(originate), std::end(originate), r.begin() + 24);
    const std::uint8_t transmit[8] = {0xEB, 0x0A, 0x12, 0x35, 0x80, 0, 0, 0};
    std::copy(std::begin(transmit), std::end(transmit), r.begin() + 40);
    return r;
}

} // namespace

TEST(NtpPacket, RequestLayout) {
    const NtpPacket p = BuildNtpRequest({0x01020304u, 0xA0B0C0D0u});
    EXPECT_EQ(p[0], 0x1B);
    for (std::size_t i = 1; i < 40; ++i) EXPECT_EQ(p[i], 0) << i;
    const std::uint8_t stamp[8] = {0x01, 0x02, 0x03, 0x04, 0xA0, 0xB0, 0xC0, 0xD0};
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(p[40 + i], stamp[i]) << i;
}

TEST(NtpPacket, SoundReplyGivesTheTransmitStamp) {
    auto r = GoodReply();
    EXPECT_EQ(CheckNtpReply(r, kSent), NtpReplyFault::kNone);
    EXPECT_EQ(ReplyTransmitStamp(r), (NtpStamp{0xEB0A1235u, 0x80000000u}));
    r[0] = 0x1C; // version 3 is as good
    EXPECT_EQ(CheckNtpReply(r, kSent), NtpReplyFault::kNone);
    r[0] = 0x5C; // leap second warnings (1, 2) still carry a good time
    EXPECT_EQ(CheckNtpReply(r, kSent), NtpReplyFault::kNone);
    r.resize(68, 0x55); // an authenticator after the 48 bytes is ignored
    EXPECT_EQ(CheckNtpReply(r, kSent), NtpReplyFault::kNone);
    r[1] = 15;
    EXPECT_EQ(CheckNtpReply(r, kSent), NtpReplyFault::kNone);
}

TEST(NtpPacket, UnusableReplies) {
    struct Case {
        const char* what;
        void (*spoil)(std::vector<std::uint8_t>&);
        NtpReplyFault fault;
    };
    const Case cases[] = {
        {"47 bytes", [](auto& r) { r.resize(47); }, NtpReplyFault::kTooShort},
        {"empty", [](auto& r) { r.clear(); }, NtpReplyFault::kTooShort},
        {"leap 3", [](auto& r) { r[0] = 0xE4; }, NtpReplyFault::kUnsynchronised},
        {"version 2", [](auto& r) { r[0] = 0x14; }, NtpReplyFault::kBadVersion},
        {"version 5", [](auto& r) { r[0] = 0x2C; }, NtpReplyFault::kBadVersion},
        {"client mode", [](auto& r) { r[0] = 0x23; }, NtpReplyFault::kNotServer},
        {"broadcast mode", [](auto& r) { r[0] = 0x25; }, NtpReplyFault::kNotServer},
        {"symmetric mode", [](auto& r) { r[0] = 0x21; }, NtpReplyFault::kNotServer},
        {"stratum 0", [](auto& r) { r[1] = 0; }, NtpReplyFault::kBadStratum},
        {"stratum 16", [](auto& r) { r[1] = 16; }, NtpReplyFault::kBadStratum},
        {"stratum 255", [](auto& r) { r[1] = 255; }, NtpReplyFault::kBadStratum},
        {"zero originate", [](auto& r) { std::fill(r.begin() + 24, r.begin() + 32, 0); },
         NtpReplyFault::kWrongOriginate},
        {"other originate", [](auto& r) { r[31] ^= 1; }, NtpReplyFault::kWrongOriginate},
        {"zero transmit", [](auto& r) { std::fill(r.begin() + 40, r.end(), 0); },
         NtpReplyFault::kZeroTransmit},
    };
    for (const Case& c : cases) {
        auto r = GoodReply();
        c.spoil(r);
        EXPECT_EQ(CheckNtpReply(r, kSent), c.fault) << c.what;
    }
}

TEST(NtpPacket, OurOwnRequestEchoedBackIsNoAnswer) {
    const NtpPacket request = BuildNtpRequest(kSent);
    EXPECT_NE(CheckNtpReply(request, kSent), NtpReplyFault::kNone);
}
