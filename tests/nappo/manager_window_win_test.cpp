#include "nappo/manager_window_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "clock/common/error.h"
#include "clock/common/message_box.h"
#include "nappo/nappo_ini.h"
#include "nappo/status_texts.h"
#include "resources/resource.h"
#include "support/icon_pixels_win.h"
#include "support/pump_win.h"
#include "support/recording_system_actions.h"
#include "support/scratch_folder.h"

namespace nappo {
namespace {

using vistrel::test::ReadBytes;
using vistrel::test::WriteBytes;

// The system on a settable clock, with a stand-in hook library.
class FakeSystem final : public NappoSystem {
public:
    std::uint32_t now = 1'000'000;
    SaverSettings saver{true, 60};
    CursorPoint cursor{100, 100};
    KeyboardState keys{};
    bool hook_answer = true;
    bool tick_throws = false;
    std::uint32_t last_input = 1'000'000;
    int set_hooks = 0, remove_hooks = 0;

    std::uint32_t TickCount() override { return now; }
    SaverSettings ReadSaverSettings() override { return saver; }
    CursorPoint CursorPosition() override { return cursor; }
    KeyboardState Keyboard() override { return keys; }
    bool SetHook(HWND) override {
        ++set_hooks;
        return hook_answer;
    }
    void RemoveHook() override { ++remove_hooks; }
    void GetLastTickCount(std::uint32_t& cell) override {
        if (tick_throws) throw vistrel::Error("library failed");
        cell = last_input;
    }
};

class ManagerWindow : public ::testing::Test {
protected:
    void SetUp() override {
        vistrel::SetMessageBoxAnswererForTests([this](const vistrel::MessageBoxCall& call) {
            boxes.push_back(call.text);
            return vistrel::MsgResult::Ok;
        });
    }
    void TearDown() override {
        if (manager && manager->hwnd()) DestroyWindow(manager->hwnd());
        vistrel::SetMessageBoxAnswererForTests({});
    }
    void Start() {
        manager = std::make_unique<TfrmNappo>(system, ini, [this] { ++destroyed; });
        manager->Create();
    }
    // One step of the running timer, as the system would deliver it a second later.
    void Tick(std::uint32_t seconds = 1) {
        system.now += seconds * 1000;
        SendMessageW(manager->hwnd(), WM_TIMER,
                     manager->HookMode() ? TfrmNappo::kHookTimer : TfrmNappo::kPollTimer, 0);
    }
    std::string Shown(int id) { return manager->Status().Text(id); }
    size_t Starts() const { return actions.calls.size(); }

    vistrel::test::ScratchFolder folder;
    std::string ini = folder.File(kNappoIniName);
    FakeSystem system;
    vistrel::test::RecordingSystemActions actions;
    vistrel::test::ScopedSystemActions scoped{actions};
    std::vector<std::string> boxes;
    std::unique_ptr<TfrmNappo> manager;
    int destroyed = 0;
};

TEST_F(ManagerWindow, HookModeStartsTheSaverOnceAfterTheWaitingTimeUntilInputComes) {
    Start();
    EXPECT_EQ(system.set_hooks, 1);
    EXPECT_EQ(Shown(StatusWindow::kIdMode), ModeText(true));
    EXPECT_EQ(Shown(StatusWindow::kIdSaver), OnOffText(true));
    EXPECT_EQ(Shown(StatusWindow::kIdWait), "1");
    EXPECT_EQ(Shown(StatusWindow::kIdIdle), "0"); // the first step runs at once

    Tick(60);
    EXPECT_EQ(Starts(), 0u);
    EXPECT_EQ(Shown(StatusWindow::kIdState), StateText(SaverState::Stopped));
    Tick();
    EXPECT_EQ(Shown(StatusWindow::kIdIdle), "61000");
    ASSERT_EQ(actions.calls, std::vector<std::string>{"screensaver"});
    EXPECT_EQ(Shown(StatusWindow::kIdState), StateText(SaverState::Started));
    Tick();
    EXPECT_EQ(Starts(), 1u);
}

TEST_F(ManagerWindow, TheStatusWindowCarriesTheManagersOwnIcon) {
    Start();
    const HWND status = manager->Status().hwnd();
    const auto nappo_exe = vistrel::test_support::ProgramIconPixels(L"Nappo.exe", IDI_NAPPO, 32);
    ASSERT_FALSE(nappo_exe.empty()) << "Nappo.exe carries no icon of its own";
    const auto shown = [&](HICON icon) { return vistrel::test_support::IconPixels(icon); };
    EXPECT_EQ(shown(reinterpret_cast<HICON>(SendMessageW(status, WM_GETICON, ICON_BIG, 0))),
              nappo_exe);
    EXPECT_EQ(shown(reinterpret_cast<HICON>(
                  SendDlgItemMessageW(status, StatusWindow::kIdIcon, STM_GETICON, 0, 0))),
              nappo_exe);
}

TEST_F(ManagerWindow, DisabledSaverShowsTheIdleTimeAndNeverStartsIt) {
    system.saver = {false, 60};
    Start();
    Tick(600);
    EXPECT_EQ(Shown(StatusWindow::kIdIdle), "600000");
    EXPECT_EQ(Starts(), 0u);

    // Switched on in the system while running: the next steps act on it.
    system.saver = {true, 300};
    SendMessageW(manager->hwnd(), WM_WININICHANGE, 0, 0);
    EXPECT_EQ(Shown(StatusWindow::kIdWait), "5");
    Tick();
    EXPECT_EQ(Starts(), 1u);
}

TEST_F(ManagerWindow, UseDllZeroWatchesByPolling) {
    WriteBytes(ini, "[General]\r\nUseDll=0\r\n");
    Start();
    EXPECT_FALSE(manager->HookMode());
    EXPECT_EQ(system.set_hooks, 0);
    EXPECT_EQ(Shown(StatusWindow::kIdMode), ModeText(false));
    Tick(30);
    EXPECT_EQ(Shown(StatusWindow::kIdIdle), "30000");
    system.cursor = {101, 100};
    Tick();
    EXPECT_EQ(Shown(StatusWindow::kIdIdle), "0");
    system.keys[VK_SPACE] = 0x80;
    Tick(61);
    EXPECT_EQ(Shown(StatusWindow::kIdIdle), "0");
    Tick(61);
    EXPECT_EQ(Starts(), 1u);

    DestroyWindow(manager->hwnd());
    EXPECT_EQ(system.remove_hooks, 0);
}

TEST_F(ManagerWindow, FailedHookSaysSoAndWatchesNothing) {
    system.hook_answer = false;
    Start();
    EXPECT_EQ(boxes, std::vector<std::string>{kHookFailed});
    // No timer runs: a second later nothing has been shown.
    vistrel::test_support::PumpUntil([] { return false; }, 1300);
    EXPECT_EQ(Shown(StatusWindow::kIdIdle), "");
    EXPECT_EQ(Starts(), 0u);
}

TEST_F(ManagerWindow, LibraryFailureIsShownAndTheLastValueIsUsed) {
    Start();
    system.tick_throws = true;
    Tick(10);
    EXPECT_EQ(boxes, std::vector<std::string>{kTickError});
    EXPECT_EQ(Shown(StatusWindow::kIdIdle), "10000");
    Tick(55);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(Starts(), 1u);
}

TEST_F(ManagerWindow, SecondCopyArgumentsShowTheStatusOrEndTheManager) {
    WriteBytes(ini, "[General]\r\nUseDll=1\r\nJunk=1\r\n[X]\r\n");
    Start();
    HWND found = FindWindowW(kManagerClass, nullptr);
    EXPECT_EQ(found, manager->hwnd());
    // A real top-level window (not message-only), hidden.
    EXPECT_EQ(GetAncestor(found, GA_PARENT), GetDesktopWindow());
    EXPECT_FALSE(IsWindowVisible(found));
    EXPECT_FALSE(IsWindowVisible(manager->Status().hwnd()));

    EXPECT_TRUE(SendArgumentTo(found, "/d"));
    EXPECT_TRUE(IsWindowVisible(manager->Status().hwnd()));
    SendMessageW(manager->Status().hwnd(), WM_COMMAND, StatusWindow::kIdOk, 0);
    EXPECT_FALSE(IsWindowVisible(manager->Status().hwnd()));
    vistrel::test_support::PumpUntil([] { return false; }, 100);
    EXPECT_EQ(destroyed, 0);

    EXPECT_TRUE(SendArgumentTo(found, "/E"));
    EXPECT_FALSE(IsWindowVisible(manager->Status().hwnd()));
    EXPECT_TRUE(vistrel::test_support::PumpUntil([&] { return destroyed == 1; }, 2000));
    EXPECT_EQ(system.remove_hooks, 1);
    EXPECT_EQ(ReadBytes(ini), "[General]\r\nUseDll=1\r\n");
    EXPECT_EQ(FindWindowW(kManagerClass, nullptr), nullptr);
}

TEST_F(ManagerWindow, CloseButtonEndsTheManager) {
    Start();
    SendMessageW(manager->Status().hwnd(), WM_COMMAND, StatusWindow::kIdClose, 0);
    EXPECT_TRUE(vistrel::test_support::PumpUntil([&] { return destroyed == 1; }, 2000));
    EXPECT_EQ(ReadBytes(ini), "[General]\r\nUseDll=1\r\n");
}

} // namespace
} // namespace nappo
