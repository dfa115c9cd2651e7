#include "clock/face/load_style_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/common/dialog_win.h"
#include "clock/common/file_io.h"
#include "clock/common/help.h"
#include "clock/common/message_box.h"
#include "clock/settings/style_file.h"
#include "resources/resource.h"
#include "support/recorded_help.h"
#include "support/scratch_folder.h"
#include "support/scripted_shell.h"
#include "support/test_windows_win.h"

using namespace vistrel;

namespace {

class StylePicker : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i) {
            TOptionItem style;
            style.HNeedleW = 20 + i;
            style.SNeedleW = 3 + i;
            WriteStyle(dir.File("style" + std::to_string(i) + ".vsy"), style);
        }
        test::WriteBytes(dir.File("newer.vsy"), "[Common]\r\nStyleVer=215\r\n");
        test::WriteBytes(dir.File("note.txt"), "not a style");
        live.HNeedleW = 44;
        live.StyleDir = dir.Path();
        before = live;
        SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
            boxes.push_back(call.text);
            return MsgResult::Ok;
        });
    }
    void TearDown() override {
        SetModalDriverForTests({});
        SetMessageBoxAnswererForTests({});
    }

    // Runs the picker with a driver; returns what it gave back.
    std::optional<std::string> Run(ModalDriver driver) {
        SetModalDriverForTests([&, driver](Dialog& d) {
            picker = d.hwnd();
            list_count = static_cast<int>(
                SendDlgItemMessageW(picker, IDC_LOAD_STYLE_LIST, LB_GETCOUNT, 0, 0));
            GetWindowRect(picker, &placed);
            driver(d);
        });
        StyleHost host{live, 202, clock.get(), [this] { ++redraws; }};
        return RunLoadStyle(owner.get(), host, dir.Path());
    }
    static void Click(Dialog& d, const std::string& name) {
        const HWND list = d.Item(IDC_LOAD_STYLE_LIST);
        const std::wstring wide(name.begin(), name.end());
        const LRESULT index = SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(wide.c_str()));
        ASSERT_NE(index, LB_ERR) << name;
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_LOAD_STYLE_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    static void Press(Dialog& d, int id) {
        SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(d.Item(id)));
    }

    test::ScratchFolder dir;
    test_support::StandInWindow owner{0, 0, 1, 1, L"app", true};
    // At the screen's bottom right: the picker goes flush right, above the clock.
    test_support::StandInWindow clock{1024 - 133, 768 - 133, 133, 133, L"clock"};
    TOptionItem live, before;
    std::vector<std::string> boxes;
    int redraws = 0;
    HWND picker = nullptr;
    int list_count = -1;
    RECT placed{};
};

} // namespace

TEST_F(StylePicker, ClicksLoadAtOnceAndCancelOrTheCloseBoxPutEverythingBack) {
    for (const bool close_box : {false, true}) {
        redraws = 0;
        std::vector<int> widths;
        const auto result = Run([&](Dialog& d) {
            for (const char* name : {"style0.vsy", "style2.vsy", "style1.vsy"}) {
                Click(d, name);
                widths.push_back(live.HNeedleW);
            }
            if (close_box) {
                SendMessageW(d.hwnd(), WM_CLOSE, 0, 0);
            } else {
                Press(d, IDC_LOAD_STYLE_CANCEL);
            }
        });
        EXPECT_FALSE(result);
        EXPECT_EQ(widths, (std::vector<int>{20, 22, 21})) << "each click is the live style";
        EXPECT_TRUE(live == before) << "the whole record is back";
        EXPECT_EQ(redraws, 4);
        EXPECT_EQ(list_count, 4) << "the style files only";
        EXPECT_EQ(placed.right, 1024);
        EXPECT_EQ(placed.bottom, 768 - 133);
        EXPECT_FALSE(IsWindow(picker));
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(StylePicker, OkAfterAFolderChangeKeepsTheStyleAndGivesTheNewFolder) {
    test::ScratchFolder other;
    WriteStyle(other.File("only.vsy"), TOptionItem{});
    test::ScriptedShell shell;
    test::ScopedShellServices scoped(shell);
    std::string without_separator = other.Path();
    without_separator.pop_back();
    shell.answers = {without_separator, without_separator};
    int count_after = -1;
    const auto result = Run([&](Dialog& d) {
        Press(d, IDC_LOAD_STYLE_FOLDER);
        count_after =
            static_cast<int>(SendDlgItemMessageW(d.hwnd(), IDC_LOAD_STYLE_LIST, LB_GETCOUNT, 0, 0));
        Press(d, IDC_LOAD_STYLE_FOLDER); // the same folder again
        Press(d, IDOK);
    });
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, other.Path());
    EXPECT_EQ(count_after, 1);
    EXPECT_TRUE(live == before);
    ASSERT_EQ(shell.calls.size(), 2u);
    std::string current = dir.Path();
    current.pop_back();
    EXPECT_EQ(shell.calls[0], "folder ﾌｫﾙﾀﾞを選択して下さい。 " + current);
}

TEST_F(StylePicker, ANewerStyleLoadsWithItsMessageAndEscapeOpensHelpWithoutClosing) {
    test::RecordedHelp help({kHelpLoadStyle});
    bool open_after_escape = false;
    const auto result = Run([&](Dialog& d) {
        Click(d, "newer.vsy");
        SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(d.Item(IDCANCEL)));
        open_after_escape = IsWindow(d.hwnd()) != FALSE;
        Press(d, IDOK);
    });
    ASSERT_TRUE(result);
    EXPECT_EQ(boxes, (std::vector<std::string>{
                         "このスタイルデータは Vistrel Ver 2.15 以降で正常に表示できます。"}));
    EXPECT_EQ(help.pages, (std::vector<std::string>{HelpPagePath(kHelpLoadStyle)}));
    EXPECT_TRUE(open_after_escape);
    EXPECT_EQ(live.HNeedleW, TOptionItem{}.HNeedleW) << "the newer style stays loaded";
}
