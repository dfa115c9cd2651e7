#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

#include "clock/common/system_info.h"
#include "clock/timesync/dialup_win.h"
#include "clock/timesync/host_lookup_win.h"
#include "clock/timesync/icmp_echo_win.h"

using namespace vistrel;

TEST(HostLookup, DottedAddressesNeedNoLookup) {
    int lookups = 0;
    const HostLookup counting = [&lookups](const std::string&) -> std::optional<std::string> {
        ++lookups;
        return std::nullopt;
    };
    EXPECT_EQ(ResolveHost("127.0.0.1", counting), "127.0.0.1");
    EXPECT_EQ(ResolveHost("192.0.2.10", counting), "192.0.2.10");
    EXPECT_EQ(lookups, 0);
}

TEST(HostLookup, NamesResolveOffTheWindowThread) {
    // The local hosts file answers this one; no traffic leaves the machine.
    EXPECT_EQ(ResolveHost("localhost"), "127.0.0.1");

    const DWORD ui_thread = GetCurrentThreadId();
    std::atomic<DWORD> lookup_thread{0};
    const HostLookup slow = [&](const std::string& host) -> std::optional<std::string> {
        lookup_thread = GetCurrentThreadId();
        Sleep(200);
        if (host == "nowhere.test") return std::nullopt;
        return "10.1.2.3";
    };
    // A message posted before the lookup is handled while it runs.
    static bool timer_ran;
    timer_ran = false;
    const UINT_PTR timer =
        SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { timer_ran = true; });
    EXPECT_EQ(ResolveHost("time.example.test", slow), "10.1.2.3");
    KillTimer(nullptr, timer);
    EXPECT_TRUE(timer_ran);
    EXPECT_NE(lookup_thread.load(), ui_thread);

    EXPECT_EQ(ResolveHost("nowhere.test", slow), "Unknown");
    const HostLookup throwing = [](const std::string&) -> std::optional<std::string> {
        throw std::runtime_error("resolver broke");
    };
    EXPECT_EQ(ResolveHost("broken.test", throwing), "Unknown");
}

TEST(IcmpEchoTest, LoopbackAnswersAndBadAddressesReturnAtOnce) {
    IcmpEcho echo;
    const EchoResult r = echo.PingOnce("127.0.0.1");
    EXPECT_TRUE(r.replied) << r.status;
    EXPECT_EQ(r.status, kIcmpSuccess);
    EXPECT_LT(r.rtt_ms, 1000u);

    for (const char* bad : {"255.255.255.255", "0.0.0.0", "no address", ""}) {
        const ULONGLONG start = GetTickCount64();
        const EchoResult b = echo.PingOnce(bad);
        EXPECT_FALSE(b.replied) << bad;
        EXPECT_EQ(b.status, kIcmpBadDestination) << bad;
        EXPECT_LT(GetTickCount64() - start, 100u) << bad;
    }
}

TEST(DialUpWindows, ProbesAnswerWithoutBlocking) {
    // Whatever this system's remote-access support is, the probes answer; a failure to count
    // goes to the notice, never to a real message box in a test.
    std::vector<std::string> notices;
    const DialUpNotice record = [&notices](const std::string& text, UINT) {
        notices.push_back(text);
    };
    const bool available = RasAvailable();
    const int count = RasConnectionCount(record);
    EXPECT_GE(count, 0);
    if (!available) {
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0], "rasapi32.dll が ロードできませんでした。");
    } else if (!notices.empty()) {
        EXPECT_EQ(notices[0], "RasEnumConnections failed.");
    }
}
