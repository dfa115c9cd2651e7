#include "clock/timesync/adjust_time.h"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>

#include "clock/common/clock_source.h"
#include "clock/common/error.h"
#include "support/timesync_fakes.h"

using namespace vistrel;

namespace {

const TDateTime kLocal = EncodeDateTime(2026, 12, 7, 20, 40, 10, 0);
const TDateTime kServer = EncodeDateTime(2026, 12, 7, 20, 40, 11, 235);
constexpr double kMs = 1.0 / 86400000;

class FakeNetwork : public AdjustNetwork {
public:
    std::string resolved = "192.0.2.7";
    std::deque<EchoResult> echoes;
    TDateTime server_time = kServer;
    bool query_throws = false;
    std::function<void()> on_messages;

    std::vector<std::string> events;
    int wait_ms = -1;

    std::string ResolveHost(const std::string& host) override {
        events.push_back("resolve " + host);
        if (host == "throw") throw Error("throw: can't start DNS lookup, error #10093");
        return resolved;
    }
    EchoResult PingOnce(const std::string& address) override {
        events.push_back("ping " + address);
        if (echoes.empty()) return {false, 0, kIcmpTimedOut};
        const EchoResult e = echoes.front();
        echoes.pop_front();
        return e;
    }
    TDateTime QueryServerTime(const std::string& address, int wait) override {
        events.push_back("query " + address);
        wait_ms = wait;
        if (query_throws) throw Error("recvfrom failed");
        return server_time;
    }
    void ProcessMessages() override {
        events.push_back("messages");
        if (on_messages) on_messages();
    }
};

class AdjustTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetNowForTests([] { return kLocal; });
        settings.server = "ntp.example.test";
        settings.time_out_s = 3;
    }
    void TearDown() override { SetNowForTests(nullptr); }

    bool Run() { return RunAdjustTime(settings, log, net, ras, clock.Setter()); }

    AdjustSettings settings;
    RecordingLog log;
    FakeNetwork net;
    FakeDialUp ras;
    ClockRecorder clock;
};

} // namespace

TEST_F(AdjustTimeTest, SuccessfulRunLogsEveryStep) {
    ras.available = false;
    net.echoes = {{true, 40, 0}, {true, 42, 0}, {true, 0, 0}, {false, 0, 11010}, {true, 38, 0}};
    ASSERT_TRUE(Run());
    const std::vector<std::string> expected = {
        "Pinging 192.0.2.7",
        "    Buffer size = 56bytes",
        "Reply 40 ms",
        "Reply 42 ms",
        "Reply 0 ms",
        "Cannot ping : Request timed out. Status = 11010",
        "Reply 38 ms",
        "Success 4 times",
        "応答時間 30ms です",
        "Server connecting...",
        "Server = 26/12/07 20:40:11 250ms",
        "Local  = 26/12/07 20:40:10 000ms",
        "",
        "00:00:01 250ms 時間を進めました",
    };
    EXPECT_EQ(log.lines, expected);
    ASSERT_EQ(clock.set.size(), 1u);
    EXPECT_EQ(ToMilliseconds(clock.set[0]), ToMilliseconds(kServer + 15 * kMs));
    EXPECT_EQ(net.wait_ms, 3000);
    // Everything after the lookup goes to the resolved address; messages run before each echo.
    const std::vector<std::string> events = {
        "resolve ntp.example.test", "messages", "ping 192.0.2.7", "messages",
        "ping 192.0.2.7",           "messages", "ping 192.0.2.7", "messages",
        "ping 192.0.2.7",           "messages", "ping 192.0.2.7", "query 192.0.2.7"};
    EXPECT_EQ(net.events, events);
    EXPECT_TRUE(log.shown_before_first_line || log.lines_when_shown == 0);
    EXPECT_TRUE(log.finished);
    EXPECT_FALSE(log.closed);
}

TEST_F(AdjustTimeTest, ServerEqualToTheLocalClockAfterCorrection) {
    net.echoes.assign(5, {true, 4, 0});
    net.server_time = kLocal - 2 * kMs; // + 2 ms delay: exactly the local time
    ASSERT_TRUE(Run());
    EXPECT_EQ(log.lines.back(), "00:00:00 000ms 時間を戻しました");
}

TEST_F(AdjustTimeTest, NoEchoReplyMeansNoCorrection) {
    ASSERT_TRUE(Run()); // every echo times out
    EXPECT_EQ(log.lines[7], "ｻｰﾊﾞｰの応答がありません");
    EXPECT_EQ(log.lines[8], "Success 0 times");
    EXPECT_EQ(log.lines[9], "応答時間 0ms です");
    ASSERT_EQ(clock.set.size(), 1u);
    EXPECT_EQ(clock.set[0], kServer);
}

TEST_F(AdjustTimeTest, WhenTheWindowAppears) {
    struct Case {
        bool show_result, only_result, fail, shown, shown_at_start, closed;
    };
    for (const Case& k :
         {Case{true, false, false, true, true, false}, Case{true, true, false, true, false, false},
          Case{false, true, false, false, false, true},
          Case{false, false, false, false, false, true},
          Case{false, true, true, true, false, false}}) {
        RecordingLog one;
        FakeNetwork server;
        server.server_time = k.fail ? 0 : kServer;
        AdjustSettings s = settings;
        s.show_result = k.show_result;
        s.only_result_msg = k.only_result;
        ASSERT_TRUE(RunAdjustTime(s, one, server, ras, clock.Setter()));
        const std::string what =
            std::to_string(k.show_result) + std::to_string(k.only_result) + std::to_string(k.fail);
        EXPECT_EQ(one.shown, k.shown) << what;
        EXPECT_EQ(one.closed, k.closed) << what;
        if (k.shown) {
            // Shown at once, or only at the end with the whole log.
            EXPECT_EQ(one.lines_when_shown, k.shown_at_start ? 0 : one.lines.size()) << what;
        }
    }
}

TEST_F(AdjustTimeTest, FailedQueryLeavesTheClockAndHangsUpOnlyWithErrorHangUp) {
    settings.dial_up = {true, true, false};
    net.query_throws = true;
    ASSERT_TRUE(Run());
    EXPECT_EQ(log.lines.back(), "NTPｻｰﾊﾞｰから時刻の取得に失敗しました。");
    EXPECT_TRUE(log.finished);
    EXPECT_TRUE(clock.set.empty());
    EXPECT_EQ(ras.Calls(), (std::vector<std::string>{"dial"}));

    FakeDialUp ras2;
    settings.dial_up.error_hang_up = true;
    RecordingLog log2;
    net.query_throws = false;
    net.server_time = 0; // no usable answer
    ASSERT_TRUE(RunAdjustTime(settings, log2, net, ras2, clock.Setter()));
    EXPECT_EQ(log2.lines.back(), "NTPｻｰﾊﾞｰから時刻の取得に失敗しました。");
    EXPECT_EQ(ras2.Calls(), (std::vector<std::string>{"dial", "hang up"}));
    EXPECT_TRUE(clock.set.empty());
}

TEST_F(AdjustTimeTest, SuccessfulQueryHangsUpItsOwnConnectionBeforeSetting) {
    settings.dial_up = {false, true, false};
    ASSERT_TRUE(Run());
    EXPECT_EQ(ras.Calls(), (std::vector<std::string>{"attempt", "hang up"}));
    EXPECT_EQ(clock.set.size(), 1u);
}

TEST_F(AdjustTimeTest, EarlyEndsNeitherQueryNorHangUp) {
    ras.connect_succeeds = false;
    ASSERT_TRUE(Run());
    EXPECT_EQ(log.lines, (std::vector<std::string>{"ﾀﾞｲﾔﾙｱｯﾌﾟ接続に失敗しました。"}));
    EXPECT_TRUE(log.finished);
    EXPECT_TRUE(net.events.empty());

    FakeDialUp dialled;
    RecordingLog unknown_log;
    net.resolved = "Unknown";
    settings.dial_up.error_hang_up = true;
    ASSERT_TRUE(RunAdjustTime(settings, unknown_log, net, dialled, clock.Setter()));
    EXPECT_EQ(unknown_log.lines, (std::vector<std::string>{"Unknown Host 'ntp.example.test'"}));
    EXPECT_TRUE(unknown_log.finished);
    EXPECT_EQ(dialled.Calls(), (std::vector<std::string>{"dial"})); // the connection stays up
    EXPECT_TRUE(clock.set.empty());
}

TEST_F(AdjustTimeTest, SecondRunDuringAWaitIsRefusedAndWritesNothing) {
    RecordingLog other_log;
    FakeNetwork other_net;
    ClockRecorder other_clock;
    int refused = 0;
    net.on_messages = [&] {
        EXPECT_TRUE(AdjustTimeRunning());
        if (!RunAdjustTime(settings, other_log, other_net, ras, other_clock.Setter())) ++refused;
    };
    ASSERT_TRUE(Run());
    EXPECT_EQ(refused, kEchoCount);
    EXPECT_TRUE(other_log.lines.empty());
    EXPECT_FALSE(other_log.shown);
    EXPECT_TRUE(other_net.events.empty());
    EXPECT_TRUE(other_clock.set.empty());
    EXPECT_EQ(log.lines.size(), 15u); // with the no-reply line
    EXPECT_FALSE(AdjustTimeRunning());
}

TEST_F(AdjustTimeTest, EscapingErrorEndsTheRunAndFreesTheNext) {
    settings.server = "throw";
    EXPECT_THROW(Run(), Error);
    EXPECT_FALSE(AdjustTimeRunning());
    EXPECT_EQ(ras.hang_ups, 0);
    settings.server = "ntp.example.test";
    EXPECT_TRUE(Run());
    EXPECT_EQ(clock.set.size(), 1u);
}
