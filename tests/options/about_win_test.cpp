#include "clock/options/about_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "clock/common/dialog_win.h"
#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/help.h"
#include "resources/resource.h"
#include "resources/version.rh"
#include "support/icon_pixels_win.h"
#include "support/recorded_help.h"
#include "support/test_windows_win.h"

using namespace vistrel;

namespace {

struct Seen {
    bool nappo_shown = false;
    std::string version;
    std::string link;
    RECT placed{};
    std::vector<std::uint32_t> clock_icon, nappo_icon;
};

std::vector<std::uint32_t> ShownIcon(const Dialog& d, int id) {
    return test_support::IconPixels(
        reinterpret_cast<HICON>(SendMessageW(d.Item(id), STM_GETICON, 0, 0)));
}

class AboutWindow : public ::testing::Test {
protected:
    void TearDown() override { SetModalDriverForTests({}); }
    // Opens the window, looks at it, and presses Enter on it.
    INT_PTR OpenAndEnter(Seen& seen) {
        SetModalDriverForTests([&](Dialog& d) {
            seen.nappo_shown = IsWindowVisible(d.Item(IDC_ABOUT_NAPPO)) &&
                               IsWindowVisible(d.Item(IDC_ABOUT_NAPPO_ICON));
            seen.version = test_support::ItemText(d.hwnd(), IDC_ABOUT_VERSION);
            seen.link = test_support::ItemText(d.hwnd(), IDC_ABOUT_LINK);
            GetWindowRect(d.hwnd(), &seen.placed);
            seen.clock_icon = ShownIcon(d, IDC_ABOUT_ICON);
            seen.nappo_icon = ShownIcon(d, IDC_ABOUT_NAPPO_ICON);
            const HWND focus = GetFocus();
            PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1);
            PostMessageW(focus, WM_KEYUP, VK_RETURN, 0xC0000001);
        });
        return RunAbout(owner.get(), clock.get());
    }

    test_support::StandInWindow owner{0, 0, 1, 1, L"app", true};
    test_support::StandInWindow clock{1024 - 133, 200, 133, 133, L"clock"};
};

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    return DefWindowProcW(h, m, w, l);
}

} // namespace

TEST_F(AboutWindow, EnterClosesItAndTheNappoLineFollowsTheManagersWindow) {
    Seen seen;
    EXPECT_EQ(OpenAndEnter(seen), IDOK);
    EXPECT_FALSE(seen.nappo_shown);
    // The About window and the version resources tell one version.
    EXPECT_EQ(seen.version, std::string("Vistrel for Windows 10/11 (64ビット版) Version ") +
                                VISTREL_VERSION_TEXT);
    EXPECT_EQ(seen.link, "<a>help\\index.html</a>");
    EXPECT_EQ(seen.placed.right, 1024) << "a clock at the right edge: flush right";
    EXPECT_EQ(seen.placed.top, 333);

    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TfrmNappo";
    RegisterClassW(&wc);
    const HWND nappo = CreateWindowExW(0, L"TfrmNappo", L"Nappo", WS_POPUP, 0, 0, 1, 1, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nappo, nullptr);
    EXPECT_EQ(OpenAndEnter(seen), IDOK);
    DestroyWindow(nappo);
    // The stand-in class must not outlive the test: the manager's own window registers it.
    UnregisterClassW(L"TfrmNappo", GetModuleHandleW(nullptr));
    EXPECT_TRUE(seen.nappo_shown);
}

TEST_F(AboutWindow, TheManagersLineCarriesTheIconOfNappoExe) {
    Seen seen;
    OpenAndEnter(seen);
    const auto nappo_exe = test_support::ProgramIconPixels(L"Nappo.exe", IDI_NAPPO, 32);
    ASSERT_FALSE(nappo_exe.empty()) << "Nappo.exe carries no icon of its own";
    EXPECT_EQ(seen.nappo_icon, nappo_exe);
    EXPECT_NE(seen.clock_icon, nappo_exe);
    EXPECT_FALSE(seen.clock_icon.empty());
}

TEST_F(AboutWindow, TheLinkOpensTheHelpContents) {
    test::RecordedHelp help({kHelpContents});
    SetModalDriverForTests([](Dialog& d) {
        NMHDR click{d.Item(IDC_ABOUT_LINK), IDC_ABOUT_LINK, static_cast<UINT>(NM_CLICK)};
        SendMessageW(d.hwnd(), WM_NOTIFY, IDC_ABOUT_LINK, reinterpret_cast<LPARAM>(&click));
        SendMessageW(d.hwnd(), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(RunAbout(owner.get(), clock.get()), IDOK);
    EXPECT_EQ(help.pages, (std::vector<std::string>{HelpPagePath(kHelpContents)}));
}

TEST_F(AboutWindow, OpeningAndClosingLeavesNothingBehind) {
    SetModalDriverForTests([](Dialog& d) { SendMessageW(d.hwnd(), WM_COMMAND, IDOK, 0); });
    RunAbout(owner.get(), clock.get()); // the first run loads what stays for the process
    const long gdi_before = LiveGdiObjects();
    const int windows_before = test_support::ThreadWindowCount();
    for (int i = 0; i < 100; ++i) ASSERT_EQ(RunAbout(owner.get(), clock.get()), IDOK);
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
    EXPECT_EQ(test_support::ThreadWindowCount(), windows_before);
}

TEST(VersionResource, TheProgramCarriesTheAboutWindowsVersion) {
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeW(path, &ignored));
    ASSERT_FALSE(data.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data()));
    wchar_t* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\041104B0\\ProductVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), std::wstring(L"" VISTREL_VERSION_TEXT));
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), 2);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), 12);
}

TEST(VersionResource, TheManifestBacksWhatAboutSays) {
    // The test program carries the program's manifest: a 64-bit program for Windows 10 and 11
    // (one compatibility entry serves both), aware of each monitor's DPI.
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(bytes, SizeofResource(nullptr, found));
    for (const char* part : {"processorArchitecture=\"amd64\"",
                             "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",
                             ">PerMonitorV2</dpiAwareness>"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}
