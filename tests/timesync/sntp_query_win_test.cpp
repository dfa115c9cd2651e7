#include "clock/timesync/sntp_query_win.h"

#include <gtest/gtest.h>

#include <cmath>

#include "clock/common/clock_source.h"
#include "clock/timesync/adjust_network_win.h"
#include "support/ntp_test_server_win.h"
#include "support/timesync_fakes.h"

using namespace vistrel;

namespace {

constexpr int kWaitMs = 600;

std::vector<TestReply> Sound(const std::vector<std::uint8_t>& request) {
    return {{SoundNtpReply(request)}};
}

// A sound reply spoiled in one way.
TestResponder Spoiled(std::function<void(std::vector<std::uint8_t>&)> spoil) {
    return [spoil](const std::vector<std::uint8_t>& request) {
        auto reply = SoundNtpReply(request);
        spoil(reply);
        return std::vector<TestReply>{{reply}};
    };
}

double MsBetween(TDateTime a, TDateTime b) {
    return std::fabs(static_cast<double>(ToMilliseconds(a) - ToMilliseconds(b)));
}

// Echoes are measured elsewhere; here every one answers at once so a run takes no time.
class LoopbackNetwork : public WindowsAdjustNetwork {
public:
    using WindowsAdjustNetwork::WindowsAdjustNetwork;
    EchoResult PingOnce(const std::string&) override { return {true, 0, 0}; }
};

struct BadServer {
    const char* what;
    TestResponder respond;
};

std::vector<BadServer> BadServers() {
    return {
        {"leap indicator 3", Spoiled([](auto& r) { r[0] = 0xE4; })},
        {"stratum 0", Spoiled([](auto& r) { r[1] = 0; })},
        {"stratum 16", Spoiled([](auto& r) { r[1] = 16; })},
        {"zero transmit", Spoiled([](auto& r) { std::fill(r.begin() + 40, r.end(), 0); })},
        {"47 bytes", Spoiled([](auto& r) { r.resize(47); })},
        {"client mode", Spoiled([](auto& r) { r[0] = 0x23; })},
        {"version 2", Spoiled([](auto& r) { r[0] = 0x14; })},
        {"wrong originate", Spoiled([](auto& r) { r[30] ^= 0x40; })},
        {"zero originate", Spoiled([](auto& r) { std::fill(r.begin() + 24, r.begin() + 32, 0); })},
        {"from another port",
         [](const auto& request) {
             return std::vector<TestReply>{{SoundNtpReply(request), true}};
         }},
        {"silence", [](const auto&) { return std::vector<TestReply>{}; }},
        {"too late",
         [](const auto& request) {
             return std::vector<TestReply>{{SoundNtpReply(request), false, kWaitMs + 400}};
         }},
    };
}

} // namespace

TEST(SntpQuery, SoundReplyGivesTheServerTime) {
    TestNtpServer server(Sound);
    const TDateTime t = QueryServerTime("127.0.0.1", kWaitMs, server.Port());
    EXPECT_LT(MsBetween(t, Now()), 50.0);
    EXPECT_EQ(server.Requests(), 1);
}

TEST(SntpQuery, ForeignDatagramsAreSkippedWhileWaitingGoesOn) {
    TestNtpServer server([](const auto& request) {
        auto forged = SoundNtpReply(request);
        forged[40] ^= 0x10; // a very different time, from a stranger's port
        return std::vector<TestReply>{{forged, true}, {SoundNtpReply(request), false, 100}};
    });
    const TDateTime t = QueryServerTime("127.0.0.1", kWaitMs, server.Port());
    EXPECT_LT(MsBetween(t, Now()), 150.0);
}

TEST(SntpQuery, OnlyTheFirstReplyCounts) {
    TestNtpServer server([](const auto& request) {
        auto bad = SoundNtpReply(request);
        bad[1] = 0;
        return std::vector<TestReply>{{bad}, {SoundNtpReply(request)}};
    });
    EXPECT_EQ(QueryServerTime("127.0.0.1", kWaitMs, server.Port()), 0.0);
}

TEST(SntpQuery, NoAddressIsASocketError) {
    EXPECT_THROW(QueryServerTime("not an address", kWaitMs, 40123), Error);
}

TEST(SntpAdjustLoopback, BadServersLeaveTheClockAlone) {
    for (const BadServer& bad : BadServers()) {
        TestNtpServer server(bad.respond);
        LoopbackNetwork network(server.Port());
        RecordingLog log;
        FakeDialUp ras;
        ClockRecorder clock;
        AdjustSettings settings;
        settings.server = "127.0.0.1";
        settings.time_out_s = 1;
        ASSERT_TRUE(RunAdjustTime(settings, log, network, ras, clock.Setter())) << bad.what;
        ASSERT_FALSE(log.lines.empty());
        EXPECT_EQ(log.lines.back(), "NTPｻｰﾊﾞｰから時刻の取得に失敗しました。") << bad.what;
        EXPECT_TRUE(log.finished) << bad.what;
        EXPECT_TRUE(clock.set.empty()) << bad.what;
        EXPECT_EQ(server.Requests(), 1) << bad.what; // one request, however the reply fails
    }
}
