// The options dialog on its real templates, driven the way its controls notify it.
#include "clock/options/option_dialog_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/help.h"
#include "clock/common/message_loop_win.h"
#include "clock/options/option_ids.h"
#include "clock/options/option_pages.h"
#include "clock/options/options_session.h"
#include "clock/options/pointer_panel_win.h"
#include "support/fake_string_source.h"
#include "support/pump_win.h"
#include "support/recorded_help.h"
#include "support/scratch_folder.h"
#include "support/scripted_shell.h"
#include "support/test_windows_win.h"

using namespace vistrel;
namespace ts = vistrel::test_support;

namespace {

// The clock as the dialog sees it: the live record, the lock command's runs, the writes.
class ClockHost : public OptionsHost {
public:
    void ApplyOptions(const TOptionItem& options) override {
        // The lock command runs once when the record's lock differs from the lock's mark.
        if (options.Locked != lock_mark) {
            lock_mark = !lock_mark;
            ++lock_runs;
        }
        live = options;
        ++applied;
    }
    void WriteSettings() override { written.push_back(live); }
    void OptionsClosed(int page) override {
        closed_page = page;
        open = false;
    }
    bool CommandEnabled(SharedCommand command) const override {
        return command == SharedCommand::SetTime ? set_time : alarm_view;
    }
    void EnableCommand(SharedCommand command, bool enabled) override {
        if (command == SharedCommand::AlarmView) alarm_view = enabled;
    }
    void RunCommand(SharedCommand command) override {
        ran.push_back(command);
        if (during) during();
    }
    void PreviewAlarm(const std::string& message) override {
        previews.push_back(message);
        if (during) during();
    }

    TOptionItem live;
    bool lock_mark = false;
    int lock_runs = 0;
    int applied = 0;
    std::vector<TOptionItem> written;
    int closed_page = -1;
    bool open = true;
    bool set_time = true;
    bool alarm_view = true;
    std::vector<SharedCommand> ran;
    std::vector<std::string> previews;
    std::function<void()> during; // runs inside a command or the preview
};

class OptionsDialog : public ::testing::Test {
public:
    void TearDown() override {
        if (dialog && host.open) DestroyWindow(dialog->hwnd());
        SetProgramFolderForTests("");
    }

    TfrmOption& Open(const TOptionItem& live = {}, int page = 0, bool ras = true) {
        host.live = live;
        host.lock_mark = live.Locked;
        host.open = true;
        OptionsDialogSetup setup;
        setup.owner = owner.get();
        setup.clock = clock.get();
        setup.ras = ras;
        for (auto& cursor : setup.cursors) cursor = LoadCursorW(nullptr, IDC_ARROW);
        dialog = TfrmOption::Open(host, setup, live, page);
        return *dialog;
    }
    HWND Control(int id) const {
        const int page = oid::PageOf(id);
        return page < 0 ? GetDlgItem(dialog->hwnd(), id) : GetDlgItem(dialog->PageWindow(page), id);
    }
    // What a user's click does: the button's new state, then its notification.
    void Click(int id) {
        const HWND button = Control(id);
        const LONG type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
        if (type == BS_AUTOCHECKBOX)
            SendMessageW(button, BM_SETCHECK, SendMessageW(button, BM_GETCHECK, 0, 0) ? 0 : 1, 0);
        if (type == BS_AUTORADIOBUTTON) CheckRadioInGroup(button);
        Notify(id, BN_CLICKED);
    }
    void Choose(int id, int index) {
        SendMessageW(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Notify(id, CBN_SELCHANGE);
    }
    void Slide(int id, int position) {
        SendMessageW(Control(id), TBM_SETPOS, TRUE, position);
        SendMessageW(GetParent(Control(id)), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                     reinterpret_cast<LPARAM>(Control(id)));
    }
    void SelectLayer(int index) {
        SendMessageW(Control(oid::lstDspOrder), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Notify(oid::lstDspOrder, LBN_SELCHANGE);
    }
    void Notify(int id, int code) {
        SendMessageW(GetParent(Control(id)), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(Control(id)));
    }
    bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    // A key as the message loop meets it, on the control with the focus.
    void Key(WPARAM key, bool ctrl = false) {
        if (!GetFocus()) SetFocus(GetDlgItem(dialog->hwnd(), oid::pageOption));
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG msg{GetFocus(), WM_KEYDOWN, key, 1, 0, {}};
        DispatchOne(msg);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }

    static void CheckRadioInGroup(HWND button) {
        // The buttons of one value lie between two group starts.
        HWND first = button;
        while (!(GetWindowLongW(first, GWL_STYLE) & WS_GROUP))
            first = GetWindow(first, GW_HWNDPREV);
        for (HWND b = first; b; b = GetWindow(b, GW_HWNDNEXT)) {
            if (b != first && (GetWindowLongW(b, GWL_STYLE) & WS_GROUP)) break;
            SendMessageW(b, BM_SETCHECK, b == button ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }

    ts::StandInWindow owner{0, 0, 1, 1, L"app", true};
    ts::StandInWindow clock{300, 200, 133, 133, L"clock"};
    ClockHost host;
    TfrmOption* dialog = nullptr;
};

TEST_F(OptionsDialog, CancelAfterSeveralChangesPutsTheClockBackExactly) {
    TOptionItem live;
    live.DblClickAction = 2;
    live.TempKey = 0;
    Open(live, 0);
    Click(oid::chkUseTrans);
    Slide(oid::trbTrans, 100);
    Click(oid::chkShowTray);
    Choose(oid::cmbDblClickAction, 4);
    SelectLayer(2);
    Notify(oid::btnDSPOrderUp, BN_CLICKED);
    Click(oid::chkLockUse);
    Click(oid::rbtnLockHole);
    EXPECT_TRUE(host.live.UseTrans);
    EXPECT_EQ(host.live.Trans, 100);
    EXPECT_EQ(host.live.DblClickAction, 4);
    EXPECT_EQ(host.live.Mode, 2);
    EXPECT_EQ(host.live.DSPOrder[1], 2);
    EXPECT_EQ(host.lock_runs, 1);

    Key(VK_ESCAPE);
    EXPECT_FALSE(host.open);
    EXPECT_EQ(host.live, live);
    EXPECT_EQ(host.lock_runs, 2) << "the lock command ran once more to match";
    EXPECT_TRUE(host.written.empty());
}

TEST_F(OptionsDialog, EndingsKeepWriteOrRestore) {
    struct Case {
        const char* what;
        std::function<void(OptionsDialog&)> end;
        bool kept;
        std::size_t writes;
    };
    const Case cases[] = {
        {"the close box", [](OptionsDialog& t) { SendMessageW(t.dialog->hwnd(), WM_CLOSE, 0, 0); },
         true, 0},
        {"Enter", [](OptionsDialog& t) { t.Key(VK_RETURN); }, true, 1},
        {"OK", [](OptionsDialog& t) { SendMessageW(t.dialog->hwnd(), WM_COMMAND, IDOK, 0); }, true,
         1},
        {"Cancel", [](OptionsDialog& t) { t.Click(oid::btnCancel); }, false, 0},
    };
    for (const Case& c : cases) {
        host = {};
        Open({}, 9);
        SetFocus(Control(oid::chkAlarmUse));
        Click(oid::chkMultiUser);
        c.end(*this);
        EXPECT_FALSE(host.open) << c.what;
        EXPECT_EQ(host.live.MultiUser != TOptionItem{}.MultiUser, c.kept) << c.what;
        EXPECT_EQ(host.written.size(), c.writes) << c.what;
        EXPECT_EQ(host.closed_page, 9) << c.what;
    }
}

TEST_F(OptionsDialog, LayerOrderLockRulesDialUpAndAnActionWithoutEntry) {
    TOptionItem live;
    live.Locked = true;
    live.TempKey = 0;
    live.DblClickAction = 5;
    live.AutoDial = live.AutoHangUp = live.ErrorHangUp = true;
    Open(live, 0, /*ras=*/false);
    EXPECT_EQ(SendMessageW(Control(oid::cmbDblClickAction), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_FALSE(Enabled(oid::chkShowTray)) << "locked without a release key";
    for (int id : {oid::grpRasConn, oid::chkAutoDial, oid::chkAutoHangUp, oid::chkErrorHangUp})
        EXPECT_FALSE(Enabled(id)) << id;

    SelectLayer(0);
    Notify(oid::btnDSPOrderDown, BN_CLICKED);
    EXPECT_EQ(host.live.DSPOrder, (std::array<std::uint8_t, kLayerCount>{1, 0, 2, 3, 4, 5, 6}));
    EXPECT_EQ(host.live.DblClickAction, -1) << "no entry becomes no action at the first change";
    EXPECT_EQ(SendMessageW(Control(oid::lstDspOrder), LB_GETCURSEL, 0, 0), 1);

    Click(oid::rbtnTempKeyCtrl);
    EXPECT_TRUE(Enabled(oid::chkShowTray));
    EXPECT_TRUE(host.live.AutoDial && host.live.ErrorHangUp) << "kept, though not offered";
}

TEST_F(OptionsDialog, ChangesMadeElsewhereAreOverwrittenAndUndone) {
    TOptionItem live;
    Open(live, 7);
    // The menu's lock command and a style from the picker, while the dialog is open.
    host.lock_mark = true;
    host.live.Locked = true;
    dialog->SetLockCheck(true);
    host.live.ColorH = 0x123456;
    Slide(oid::trbLockHoleSize, 50);
    EXPECT_EQ(host.live.ColorH, live.ColorH) << "the dialog's record is the live one again";
    EXPECT_TRUE(host.live.Locked) << "the lock check box showed the menu's lock";
    EXPECT_EQ(host.live.HoleSize, 50);
    Click(oid::btnCancel);
    EXPECT_EQ(host.live, live);
    EXPECT_FALSE(host.lock_mark);
}

TEST_F(OptionsDialog, EveryControlChangesItsField) {
    Open({}, 8);
    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool(const TOptionItem&)> holds;
    };
    const Case cases[] = {
        {"pointer panel", [&] { Notify(oid::Panel(3), BN_CLICKED); },
         [](const TOptionItem& r) { return r.PointType == 3; }},
        {"spin edit", [&] { SetWindowTextW(Control(oid::sedtAlarmMsgInterval), L"17"); },
         [](const TOptionItem& r) { return r.Interval == 17; }},
        {"spin edit clamps", [&] { SetWindowTextW(Control(oid::sedtTimeOut), L"999"); },
         [](const TOptionItem& r) { return r.TimeOut == 300; }},
        {"escape speed", [&] { Slide(oid::trbLockEscapeSpeed, 4); },
         [](const TOptionItem& r) { return r.EscapeSpeed == 4; }},
        {"radio", [&] { Click(oid::rbtnAlarmMsgBoard); },
         [](const TOptionItem& r) { return r.MsgType == 2; }},
        {"server typed",
         [&] {
             SetWindowTextW(Control(oid::cmbNTPServer), L"time.example");
             Notify(oid::cmbNTPServer, CBN_EDITCHANGE);
         },
         [](const TOptionItem& r) { return r.Server == "time.example"; }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds(host.live)) << c.what;
    }
    EXPECT_TRUE(PanelHighlighted(Control(oid::Panel(3))));
    EXPECT_FALSE(PanelHighlighted(Control(oid::Panel(5))));
}

TEST_F(OptionsDialog, TextsServerListAndPages) {
    test::ScratchFolder folder;
    SetProgramFolderForTests(folder.Path());
    test::WriteBytes(folder.File("host.txt"), "one.example\r\n\r\ntwo.example\r\n");
    Open({}, 10);
    EXPECT_EQ(ts::TextOf(dialog->hwnd()), "オプション");
    EXPECT_EQ(ts::TextOf(Control(oid::btnCancel)), "ｷｬﾝｾﾙ");
    EXPECT_EQ(ts::TextOf(Control(oid::rbtnLockHole)), "ﾎｰﾙ");
    EXPECT_EQ(ts::TextOf(Control(oid::BitBtn1)), "ｱﾗｰﾑ･ﾀｲﾏｰの設定...");
    const HWND tab = GetDlgItem(dialog->hwnd(), oid::pageOption);
    EXPECT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), oid::kPageCount);
    EXPECT_EQ(dialog->ActivePage(), 10);
    const HWND servers = Control(oid::cmbNTPServer);
    ASSERT_EQ(SendMessageW(servers, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(servers, CB_GETLBTEXTLEN, 1, 0), 0) << "the empty line is an entry";
    EXPECT_FALSE(IsWindowVisible(Control(oid::chkAutoSetTime)));
    for (int page = 0; page < oid::kPageCount; ++page)
        EXPECT_EQ(IsWindowVisible(dialog->PageWindow(page)) != FALSE, page == 10) << page;
    // Ctrl+Tab turns to the next page, round to the first.
    SetFocus(Control(oid::chkShowResult));
    Key(VK_TAB, true);
    EXPECT_EQ(dialog->ActivePage(), 0);
    EXPECT_TRUE(IsWindowVisible(dialog->PageWindow(0)));
    EXPECT_TRUE(host.open);
}

TEST_F(OptionsDialog, LanguageLibraryReplacesFrameAndPageTexts) {
    test::ScopedLanguageLibrary library(
        {{501, "Options"}, {503, "Cancel"}, {176, "Lock"}, {177, "Use lock"}});
    Open({}, 7);
    EXPECT_EQ(ts::TextOf(dialog->hwnd()), "Options");
    EXPECT_EQ(ts::TextOf(Control(oid::btnCancel)), "Cancel");
    EXPECT_EQ(ts::TextOf(Control(oid::chkLockUse)), "Use lock");
    wchar_t text[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(GetDlgItem(dialog->hwnd(), oid::pageOption), TCM_GETITEMW, 7,
                 reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, L"Lock");
}

TEST_F(OptionsDialog, ButtonsOfCommandsPreviewTimeZoneAndHelp) {
    test::RecordedHelp help({kHelpLock, kHelpAlarm});
    test::ScriptedShell shell;
    test::ScopedShellServices scoped(shell);
    host.set_time = false;
    Open({}, 9);
    EXPECT_FALSE(Enabled(oid::btnSetTime));
    host.set_time = true;
    dialog->RefreshCommands();
    EXPECT_TRUE(Enabled(oid::btnSetTime));

    std::vector<bool> endings_enabled;
    bool closed_meanwhile = true;
    host.during = [&] {
        endings_enabled.push_back(Enabled(oid::btnOK) || Enabled(oid::btnCancel));
        // Escape and the close box while the preview's loop runs leave the dialog in place.
        SendMessageW(dialog->hwnd(), WM_CLOSE, 0, 0);
        closed_meanwhile = !host.open;
    };
    Notify(oid::btnAlarmMsgPreview, BN_CLICKED);
    EXPECT_EQ(host.previews, std::vector<std::string>{"ｱﾗｰﾑﾒｯｾｰｼﾞのﾌﾟﾚﾋﾞｭｰ"});
    EXPECT_EQ(endings_enabled, std::vector<bool>{false});
    EXPECT_FALSE(closed_meanwhile);
    EXPECT_TRUE(Enabled(oid::btnOK));
    host.during = {};

    Notify(oid::btnSetTime, BN_CLICKED);
    Click(oid::chkAlarmUse); // off: the editor's command goes with it
    EXPECT_FALSE(Enabled(oid::BitBtn1));
    Notify(oid::BitBtn1, BN_CLICKED);
    EXPECT_EQ(host.ran, std::vector<SharedCommand>{SharedCommand::SetTime});
    Notify(oid::btnTimeZone, BN_CLICKED);
    EXPECT_EQ(shell.calls, std::vector<std::string>{"timezone"});

    Notify(oid::btnHelp, BN_CLICKED);
    dialog->ShowPage(kPageTime);
    Notify(oid::btnHelp, BN_CLICKED); // the time page has no help
    dialog->ShowPage(kPageLock);
    Notify(oid::btnHelp, BN_CLICKED);
    EXPECT_EQ(help.pages,
              (std::vector<std::string>{HelpPagePath(kHelpAlarm), HelpPagePath(kHelpLock)}));
}

TEST_F(OptionsDialog, PlacedBesideTheClockOnEveryOpening) {
    Open();
    RECT r{};
    GetWindowRect(dialog->hwnd(), &r);
    EXPECT_EQ(r.left, 300 + 133 / 2);
    EXPECT_EQ(r.top, 200 + 133);
    SetWindowPos(dialog->hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    dialog->PlaceNearClock();
    GetWindowRect(dialog->hwnd(), &r);
    EXPECT_EQ(r.left, 300 + 133 / 2);
}

TEST_F(OptionsDialog, HundredRoundsLeaveNothingBehind) {
    const long gdi = LiveGdiObjects();
    const int windows = ts::ThreadWindowCount();
    for (int round = 0; round < 100; ++round) {
        Open({}, round % oid::kPageCount);
        Click(oid::chkMultiUser);
        Click(oid::btnCancel);
        ASSERT_FALSE(host.open);
    }
    dialog = nullptr;
    ts::PumpFor(50);
    EXPECT_EQ(LiveGdiObjects(), gdi);
    EXPECT_EQ(ts::ThreadWindowCount(), windows);
}

} // namespace
