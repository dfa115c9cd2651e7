// The real hook library and one real run of the manager on it, under the system's own clock
// and screen saver settings. The screen saver start itself goes to a recording stand-in.
#include <gtest/gtest.h>

#include <string>

#include "clock/common/handles_win.h"
#include "nappo/manager_window_win.h"
#include "nappo/nappo_ini.h"
#include "support/pump_win.h"
#include "support/recording_system_actions.h"
#include "support/scratch_folder.h"

namespace nappo {
namespace {

using vistrel::test_support::PumpUntil;

// Nappo.dll is built beside the test program.
class HookLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring folder(path);
        folder.resize(folder.find_last_of(L"\\/") + 1);
        library.reset(LoadLibraryW((folder + L"Nappo.dll").c_str()));
        ASSERT_TRUE(library) << "Nappo.dll missing beside the test program";
        hooks.set_hook = reinterpret_cast<decltype(hooks.set_hook)>(
            reinterpret_cast<void*>(GetProcAddress(library.get(), "SetHook")));
        hooks.remove_hook = reinterpret_cast<decltype(hooks.remove_hook)>(
            reinterpret_cast<void*>(GetProcAddress(library.get(), "RemoveHook")));
        hooks.get_last_tick_count = reinterpret_cast<decltype(hooks.get_last_tick_count)>(
            reinterpret_cast<void*>(GetProcAddress(library.get(), "GetLastTickCount")));
        ASSERT_TRUE(hooks.set_hook && hooks.remove_hook && hooks.get_last_tick_count);
    }

    // A mouse event of no distance: it goes through the system's input path like any other,
    // and moves nothing.
    static void NudgeMouse() {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = MOUSEEVENTF_MOVE;
        SendInput(1, &input, sizeof input);
    }

    DWORD LastInput() {
        DWORD cell = 0;
        EXPECT_NE(hooks.get_last_tick_count(&cell), 0);
        return cell;
    }

    vistrel::UniqueModule library;
    HookFunctions hooks;
};

TEST_F(HookLibrary, SeesInputUntilRemovedAndInstallsAgain) {
    DWORD cell = 7;
    EXPECT_EQ(hooks.get_last_tick_count(&cell), 0); // nothing installed yet
    EXPECT_EQ(cell, 7u);

    for (int round = 0; round < 2; ++round) {
        ASSERT_NE(hooks.set_hook(nullptr), 0) << "round " << round;
        const DWORD installed = LastInput();
        EXPECT_LE(GetTickCount() - installed, 1000u);
        Sleep(50);
        NudgeMouse();
        EXPECT_TRUE(PumpUntil([&] { return LastInput() != installed; }, 2000)) << "round " << round;
        hooks.remove_hook();
        EXPECT_EQ(hooks.get_last_tick_count(&cell), 0);
    }
}

// The prefix's own screen saver settings, set for one test and put back after it.
class ScreenSaverSettings {
public:
    ScreenSaverSettings(bool active, int timeout) {
        SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &old_active_, 0);
        SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &old_timeout_, 0);
        Set(active, timeout);
    }
    ~ScreenSaverSettings() { Set(old_active_, old_timeout_); }
    ScreenSaverSettings(const ScreenSaverSettings&) = delete;
    ScreenSaverSettings& operator=(const ScreenSaverSettings&) = delete;

private:
    static void Set(BOOL active, int timeout) {
        SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, active, nullptr, SPIF_UPDATEINIFILE);
        SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(timeout), nullptr,
                              SPIF_UPDATEINIFILE);
    }
    BOOL old_active_ = FALSE;
    int old_timeout_ = 0;
};

TEST_F(HookLibrary, RealRunStartsTheSaverOnceAfterAShortWaitingTime) {
    const ScreenSaverSettings saver(true, 2);
    vistrel::test::ScratchFolder folder;
    vistrel::test::RecordingSystemActions actions;
    const vistrel::test::ScopedSystemActions scoped(actions);
    LiveNappoSystem system(hooks);
    bool ended = false;
    {
        TfrmNappo manager(system, folder.File(kNappoIniName), [&] { ended = true; });
        manager.Create();
        ASSERT_TRUE(manager.HookMode());
        EXPECT_EQ(manager.Watch().WaitingMs(), 2000);
        // No input: beyond two seconds the saver starts, once.
        EXPECT_TRUE(PumpUntil([&] { return !actions.calls.empty(); }, 5000));
        PumpUntil([] { return false; }, 2200);
        EXPECT_EQ(actions.calls, std::vector<std::string>{"screensaver"});
        // Input ends the idle period; the next one starts it again.
        NudgeMouse();
        EXPECT_TRUE(PumpUntil([&] { return !manager.Watch().SaverRunning(); }, 2500));
        EXPECT_TRUE(PumpUntil([&] { return actions.calls.size() == 2; }, 5000));
        PostMessageW(manager.hwnd(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return ended; }, 2000));
    }
    // The manager removed its hook at the end.
    DWORD cell = 0;
    EXPECT_EQ(hooks.get_last_tick_count(&cell), 0);
}

} // namespace
} // namespace nappo
