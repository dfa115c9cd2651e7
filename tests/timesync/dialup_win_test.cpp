// The dial-up check against a stand-in "rasapi32.dll" that refuses the connection record's sizes
// 64-bit Windows refuses (Wine's own library takes any size). The whole adjustment runs on
// 127.0.0.1, and the clock is set only through the recording system actions.
#include <gtest/gtest.h>

#include <windows.h>

#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/system_actions.h"
#include "clock/common/wide_win.h"
#include "clock/timesync/adjust_network_win.h"
#include "clock/timesync/dialup_win.h"
#include "support/ntp_test_server_win.h"
#include "support/recording_system_actions.h"
#include "support/timesync_fakes.h"

using namespace vistrel;

namespace {

// The real probes of remote access; dialling is only recorded.
class NeverDialling : public WindowsDialUp {
public:
    explicit NeverDialling(std::vector<std::string>& notices)
        : WindowsDialUp([&notices](const std::string& text, UINT) { notices.push_back(text); }) {}
    bool AutoDial() override { return Dial(); }
    bool AttemptConnect() override { return Dial(); }
    void AutoDialHangUp() override {}
    int dials = 0;

private:
    bool Dial() {
        ++dials;
        return true;
    }
};

// Echoes are measured elsewhere; here every one answers at once.
class LoopbackNetwork : public WindowsAdjustNetwork {
public:
    using WindowsAdjustNetwork::WindowsAdjustNetwork;
    EchoResult PingOnce(const std::string&) override { return {true, 0, 0}; }
};

} // namespace

TEST(DialUpWindows, TheConnectionStepPassesALibraryAsStrictAsWindows) {
    // Loaded by its path first, the stand-in is the module the program's load by name finds.
    const std::string path = ProgramFolder() + "ras_stand_in\\rasapi32.dll";
    const UniqueModule stand_in(LoadLibraryW(Widen(path).c_str()));
    ASSERT_TRUE(stand_in) << path;
    ASSERT_EQ(GetModuleHandleW(L"rasapi32.dll"), stand_in.get());
    using Counter = LONG(WINAPI*)();
    const auto calls = reinterpret_cast<Counter>(
        reinterpret_cast<void*>(GetProcAddress(stand_in.get(), "StandInCalls")));
    ASSERT_NE(calls, nullptr) << "Wine's own library was loaded: rasapi32 must be native first";

    TestNtpServer server(
        [](const auto& request) { return std::vector<TestReply>{{SoundNtpReply(request)}}; });
    LoopbackNetwork network(server.Port());
    std::vector<std::string> notices;
    NeverDialling dial_up(notices);
    RecordingLog log;
    test::RecordingSystemActions actions;
    const test::ScopedSystemActions scoped(actions);
    AdjustSettings settings;
    settings.server = "127.0.0.1";
    settings.time_out_s = 2;
    settings.show_result = false;

    const LONG calls_before = calls();
    ASSERT_TRUE(RunAdjustTime(settings, log, network, dial_up, [](TDateTime local) {
        CurrentSystemActions().SetLocalClock(local);
    }));
    EXPECT_GT(calls() - calls_before, 0);
    EXPECT_TRUE(notices.empty()) << notices.front();
    EXPECT_EQ(dial_up.dials, 0); // the stand-in's one connection was seen
    EXPECT_EQ(actions.clock_settings.size(), 1u);
}
