#include "clock/app/startup_link_win.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "clock/app/popup_menu_win.h"
#include "clock/common/file_io.h"
#include "clock/common/message_box.h"
#include "clock/common/wide_win.h"
#include "support/fake_string_source.h"

using namespace vistrel;

namespace {

class StartupLink : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
            boxes.push_back(call.text);
            return answer;
        });
        // The real Startup folder of the Wine prefix: a link there is harmless.
        ASSERT_FALSE(StartupFolder().empty());
        DeleteFileW(Widen(StartupLinkPath()).c_str());
    }
    void TearDown() override {
        SetMessageBoxAnswererForTests({});
        DeleteFileW(Widen(StartupLinkPath()).c_str());
    }

    static bool Grayed(HMENU menu, UINT id) {
        return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }
    static std::pair<bool, bool> MenuEnabling() {
        CommandFacts facts;
        facts.startup_link_exists = StartupLinkExists();
        const UniqueMenu menu = BuildPopupMenu(MenuTexts{}, facts);
        return {!Grayed(menu.get(), kCmdStartupRegister),
                !Grayed(menu.get(), kCmdStartupUnregister)};
    }

    std::vector<std::string> boxes;
    MsgResult answer = MsgResult::Ok;
};

// "T" and a number (built in two steps: GCC 12 warns falsely about "T" + std::to_string(n)).
std::string Numbered(int n) {
    std::string text = "T";
    text += std::to_string(n);
    return text;
}

std::string RunningProgram() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    return Narrow(std::wstring_view(path, n));
}

} // namespace

TEST_F(StartupLink, RegisteringMakesARealLinkAndTheMenuOffersOnlyItsRemoval) {
    EXPECT_EQ(MenuEnabling(), std::make_pair(true, false));
    StartUpRegCmd();
    EXPECT_EQ(boxes, (std::vector<std::string>{"Vistrel をスタートアップへ登録します。",
                                               "登録しました。"}));
    ASSERT_TRUE(FileExists(StartupFolder() + "\\Vistrel.lnk"));
    const auto link = ReadShellLink(StartupLinkPath());
    ASSERT_TRUE(link);
    EXPECT_EQ(link->target, RunningProgram());
    EXPECT_EQ(link->description, "Vistrel");
    std::string folder = ProgramFolder();
    folder.pop_back();
    EXPECT_EQ(link->working_folder, folder);
    EXPECT_EQ(MenuEnabling(), std::make_pair(false, true));

    boxes.clear();
    StartUpRelCmd();
    EXPECT_EQ(boxes, (std::vector<std::string>{"スタートアップの登録を解除します。",
                                               "登録解除しました。"}));
    EXPECT_FALSE(StartupLinkExists());
    EXPECT_EQ(MenuEnabling(), std::make_pair(true, false));
}

TEST_F(StartupLink, CancelLeavesEverythingAndFailuresAreReported) {
    answer = MsgResult::Cancel;
    StartUpRegCmd();
    EXPECT_FALSE(StartupLinkExists());
    EXPECT_EQ(boxes.size(), 1u);

    answer = MsgResult::Ok;
    boxes.clear();
    StartUpRelCmd(); // nothing to remove
    EXPECT_EQ(boxes.back(), "スタートアップの登録解除ができませんでした。");

    SetStartupFolderForTests("Z:\\no\\such\\folder");
    boxes.clear();
    StartUpRegCmd();
    SetStartupFolderForTests("");
    EXPECT_EQ(boxes.back(), "スタートアップへ登録できませんでした。");
}

TEST(PopupMenuWin, BuiltFromTheTableWithTheLibrarysCaptions) {
    std::map<int, std::string> texts;
    for (int n = 1; n <= 20; ++n)
        if (n != 2) texts[n] = Numbered(n);
    MenuTexts captions;
    {
        const test::ScopedLanguageLibrary library(texts);
        const std::vector<TextReplacement> table = captions.Replacements();
        ASSERT_TRUE(ApplyLanguage(table));
    }
    CommandFacts facts;
    facts.sound_playing = true;
    const UniqueMenu menu = BuildPopupMenu(captions, facts);
    wchar_t text[256];
    const auto caption = [&](HMENU m, UINT pos) {
        GetMenuStringW(m, pos, text, 256, MF_BYPOSITION);
        return Narrow(text);
    };
    // Positions from the first entry the library names, whatever dialogs come above it.
    UINT first = 0;
    while (GetMenuItemID(menu.get(), static_cast<int>(first)) != kCmdErase) ++first;
    ASSERT_EQ(GetMenuItemCount(menu.get()), static_cast<int>(first) + 16);
    EXPECT_EQ(caption(menu.get(), first), "T3");
    EXPECT_EQ(caption(menu.get(), first + 3), "ｽﾀｲﾙﾃﾞｰﾀ");
    EXPECT_EQ(caption(GetSubMenu(menu.get(), static_cast<int>(first + 3)), 1),
              "名前をつけて保存...");
    EXPECT_EQ(caption(menu.get(), first + 6), "T6");
    const HMENU move = GetSubMenu(menu.get(), static_cast<int>(first + 6));
    for (UINT i = 0; i < 5; ++i) EXPECT_EQ(caption(move, i), Numbered(static_cast<int>(16 + i)));
    EXPECT_EQ(GetMenuItemID(move, 4), static_cast<UINT>(kCmdMoveCenter));
    const HMENU tools = GetSubMenu(menu.get(), static_cast<int>(first + 10));
    EXPECT_EQ(caption(tools, 1), "T10");
    EXPECT_EQ(caption(tools, 2), "ｽﾀｰﾄｱｯﾌﾟの登録解除");
    EXPECT_EQ(caption(menu.get(), first + 15), "T15");
    EXPECT_EQ(caption(menu.get(), 0), "T1");
    EXPECT_EQ(GetMenuState(menu.get(), kCmdOptions, MF_BYCOMMAND) & MF_GRAYED, 0u);
    facts.windows.Opened(OpenWindow::Options);
    const UniqueMenu open = BuildPopupMenu(captions, facts);
    EXPECT_NE(GetMenuState(open.get(), kCmdOptions, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(GetMenuState(menu.get(), kCmdTop, MF_BYCOMMAND) & MF_CHECKED, UINT{MF_CHECKED});
    EXPECT_EQ(GetMenuState(menu.get(), kCmdStopSound, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_NE(GetMenuState(menu.get(), kCmdSetTime, MF_BYCOMMAND) & MF_GRAYED, 0u);
}
