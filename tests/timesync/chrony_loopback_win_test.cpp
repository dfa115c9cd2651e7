// Against a real NTP server on 127.0.0.1, started by tests/e2e/chrony_e2e.sh, which names its
// port in VISTREL_CHRONY_PORT. Without it these tests are skipped.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "clock/common/clock_source.h"
#include "clock/timesync/adjust_network_win.h"
#include "clock/timesync/sntp_query_win.h"
#include "support/timesync_fakes.h"

using namespace vistrel;

namespace {

unsigned short PortFrom(const char* variable) {
    const char* port = std::getenv(variable);
    return port ? static_cast<unsigned short>(std::atoi(port)) : 0;
}
unsigned short ChronyPort() { return PortFrom("VISTREL_CHRONY_PORT"); }

double MsBetween(TDateTime a, TDateTime b) {
    return std::fabs(static_cast<double>(ToMilliseconds(a) - ToMilliseconds(b)));
}

} // namespace

TEST(ChronyLoopback, QueryGivesTheServerTime) {
    const unsigned short port = ChronyPort();
    if (port == 0) GTEST_SKIP() << "no NTP server started for this run";
    for (int i = 0; i < 3; ++i) {
        const TDateTime t = QueryServerTime("127.0.0.1", 2000, port);
        ASSERT_NE(t, 0.0);
        EXPECT_LT(MsBetween(t, Now()), 50.0);
    }
}

TEST(ChronyLoopback, WholeAdjustmentWithRealEchoes) {
    const unsigned short port = ChronyPort();
    if (port == 0) GTEST_SKIP() << "no NTP server started for this run";
    WindowsAdjustNetwork network(port);
    RecordingLog log;
    FakeDialUp ras; // never dial from a test
    ClockRecorder clock;
    AdjustSettings settings;
    settings.server = "localhost";
    ASSERT_TRUE(RunAdjustTime(settings, log, network, ras, clock.Setter()));
    ASSERT_EQ(clock.set.size(), 1u);
    EXPECT_LT(MsBetween(clock.set[0], Now()), 50.0);
    ASSERT_EQ(log.lines.size(), 14u);
    EXPECT_EQ(log.lines[0], "Pinging 127.0.0.1");
    EXPECT_EQ(log.lines[7], "Success 5 times");
}

TEST(ChronyLoopback, AnUnsynchronisedServerSetsNothing) {
    const unsigned short port = PortFrom("VISTREL_CHRONY_UNSYNC_PORT");
    if (port == 0) GTEST_SKIP() << "no NTP server started for this run";
    WindowsAdjustNetwork network(port);
    RecordingLog log;
    FakeDialUp ras;
    ClockRecorder clock;
    AdjustSettings settings;
    settings.server = "127.0.0.1";
    settings.time_out_s = 2;
    settings.show_result = false;
    RunAdjustTime(settings, log, network, ras, clock.Setter());
    EXPECT_TRUE(clock.set.empty());
    bool reported = false;
    for (const auto& line : log.lines) {
        reported = reported || line == "NTPｻｰﾊﾞｰから時刻の取得に失敗しました。";
    }
    EXPECT_TRUE(reported);
    EXPECT_TRUE(log.shown); // shown whatever ShowResult says
}
