#include "clock/timesync/sntp_info_win.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "clock/common/clock_source.h"
#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"
#include "clock/timesync/adjust_network_win.h"
#include "clock/timesync/message_pump_win.h"
#include "support/ntp_test_server_win.h"
#include "support/pump_win.h"
#include "support/test_windows_win.h"
#include "support/timesync_fakes.h"

using namespace vistrel;

namespace {

using test_support::PumpFor;

// A stand-in for the clock window, at a chosen place on the screen.
struct FakeClockWindow : test_support::StandInWindow {
    FakeClockWindow(int x, int y) : StandInWindow(x, y, 120, 120, L"clock") {}
};

std::string MemoText(HWND info) {
    return test_support::TextOf(FindWindowExW(info, nullptr, L"EDIT", nullptr));
}

} // namespace

TEST(SntpInfoWindow, CollectsLinesAndStaysHiddenUntilShown) {
    FakeClockWindow clock(400, 200);
    const long gdi_before = LiveGdiObjects();
    auto log = CreateSntpInfo(nullptr, clock.get());
    HWND info = SntpInfoWindowOf(*log);
    ASSERT_NE(info, nullptr);
    EXPECT_FALSE(IsWindowVisible(info));
    log->AddInfoLine("Pinging 127.0.0.1");
    log->AddInfoLine("");
    log->AddInfoLine("応答時間 30ms です");
    EXPECT_EQ(MemoText(info), "Pinging 127.0.0.1\r\n\r\n応答時間 30ms です");

    log->Show();
    EXPECT_TRUE(IsWindowVisible(info));
    RECT r;
    GetWindowRect(info, &r);
    EXPECT_EQ(r.left, 400 - 189);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.right - r.left, 189);
    EXPECT_EQ(r.bottom - r.top, 160);

    log->Close();
    EXPECT_FALSE(IsWindow(info));
    EXPECT_EQ(SntpInfoWindowOf(*log), nullptr);
    log->AddInfoLine("after the end"); // goes nowhere, harms nothing
    log->FinishInfo();
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

TEST(SntpInfoWindow, FinishedWindowClosesItselfAndOutlivesItsRun) {
    FakeClockWindow clock(0, 200); // at the left edge: the log goes to the right
    HWND info;
    {
        auto log = CreateSntpInfo(nullptr, clock.get(), 300);
        info = SntpInfoWindowOf(*log);
        log->AddInfoLine("NTPｻｰﾊﾞｰから時刻の取得に失敗しました。");
        log->FinishInfo();
        EXPECT_TRUE(IsWindowVisible(info));
        RECT r;
        GetWindowRect(info, &r);
        EXPECT_EQ(r.left, 120);
    }
    EXPECT_TRUE(IsWindow(info));
    // A double-click only hides it; the close timer still ends it.
    SendMessageW(FindWindowExW(info, nullptr, L"EDIT", nullptr), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(info));
    EXPECT_TRUE(IsWindow(info));
    PumpFor(600);
    EXPECT_FALSE(IsWindow(info));
}

TEST(SntpInfoWindow, WholeRunAgainstALoopbackServer) {
    class Loopback : public WindowsAdjustNetwork {
    public:
        using WindowsAdjustNetwork::WindowsAdjustNetwork;
        EchoResult PingOnce(const std::string&) override { return {true, 2, 0}; }
    };
    TestNtpServer server(
        [](const auto& request) { return std::vector<TestReply>{{SoundNtpReply(request)}}; });
    Loopback network(server.Port());
    FakeClockWindow clock(500, 300);
    FakeDialUp ras;
    ClockRecorder recorder;
    AdjustSettings settings;
    settings.server = "127.0.0.1";
    auto log = CreateSntpInfo(nullptr, clock.get(), 200);
    HWND info = SntpInfoWindowOf(*log);
    ASSERT_TRUE(RunAdjustTime(settings, *log, network, ras, recorder.Setter()));
    ASSERT_EQ(recorder.set.size(), 1u);
    // The server answers with this machine's time; the correction adds 1 ms.
    EXPECT_LT(std::abs(ToMilliseconds(recorder.set[0]) - ToMilliseconds(Now())), 50);
    const std::string text = MemoText(info);
    EXPECT_EQ(text.rfind("Pinging 127.0.0.1\r\n    Buffer size = 56bytes\r\nReply 2 ms", 0), 0u);
    EXPECT_NE(text.find("\r\nServer = "), std::string::npos);
    EXPECT_NE(text.find("\r\nLocal  = "), std::string::npos);
    EXPECT_TRUE(IsWindowVisible(info));
    PumpFor(400);
    EXPECT_FALSE(IsWindow(info));
}
