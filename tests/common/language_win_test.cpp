#include "clock/common/language_win.h"

#include <gtest/gtest.h>

#include "clock/common/file_io.h"
#include "clock/common/text_encoding.h"
#include "clock/common/vocabulary.h"
#include "clock/common/wide_win.h"

using namespace vistrel;

namespace {
// The test library is built into the "testlang" folder beside the test program; the program
// folder is pointed there (or at a folder without a library) for one test.
class LanguageWinTest : public ::testing::Test {
protected:
    void TearDown() override { SetProgramFolderForTests(""); }

    static std::string TestLangFolder() { return ProgramFolder() + "testlang\\"; }

    void UseTestLibrary() {
        const std::string folder = TestLangFolder();
        ASSERT_TRUE(FileExists(folder + "Lang.dll")) << "the test language library is not built";
        SetProgramFolderForTests(folder);
    }
    void UseNoLibrary() { SetProgramFolderForTests(ProgramFolder() + "no_language\\"); }
};
} // namespace

TEST_F(LanguageWinTest, ReadsPresentTextsAndEmptyForMissingNumbers) {
    UseTestLibrary();
    const auto library = LanguageLibrary::Open();
    ASSERT_TRUE(library);
    EXPECT_EQ(library->Text(1), "Options(&O)...");
    EXPECT_EQ(library->Text(2), "アラーム設定(&A)...");
    EXPECT_EQ(library->Text(130), "0");
    EXPECT_EQ(library->Text(353), "");
    EXPECT_EQ(library->Text(494), "");
    EXPECT_EQ(library->Text(9999), "");
    EXPECT_EQ(library->Text(-1), "");
    // 200 two-byte characters: cut to 127 of them (254 bytes), never half a character.
    const std::string cut = library->Text(20);
    EXPECT_EQ(cut.size(), 127u * 3u);
    EXPECT_EQ(Utf8ToSjis(cut)->size(), 254u);
}

TEST_F(LanguageWinTest, NoCodeOfTheLibraryIsLoaded) {
    const std::string folder = TestLangFolder();
    UseTestLibrary();
    const auto library = LanguageLibrary::Open();
    ASSERT_TRUE(library);
    // Mapped as resources only, it is no loaded module of the process.
    EXPECT_EQ(GetModuleHandleW(L"Lang.dll"), nullptr);
    // The test library itself is an ordinary library too, as the real ones are.
    const UniqueModule ordinary(LoadLibraryW(Widen(folder + "Lang.dll").c_str()));
    EXPECT_TRUE(ordinary);
}

TEST_F(LanguageWinTest, InitVocabularyTakesTheLibrarysTexts) {
    UseTestLibrary();
    WeekdayAfterDate = true;
    std::string option = "ｵﾌﾟｼｮﾝ(&O)...", move = "移動", exit = "終了(&X)";
    const TextReplacement menu[] = {ReplaceInto(1, option), ReplaceInto(6, move),
                                    ReplaceInto(15, exit)};
    InitVocabulary(menu);
    EXPECT_EQ(option, "Options(&O)...");
    EXPECT_EQ(move, ""); // the library lacks 6
    EXPECT_EQ(exit, "Exit(&X)");
    EXPECT_FALSE(WeekdayAfterDate); // 130 = "0": the weekday goes in front of the date
    EXPECT_EQ(CommandNames, (std::vector<std::string>{"(none)", "Adjust the clock", "Shut down",
                                                      "電源を切る", "Restart"}));
    EXPECT_EQ(SoundNames, (std::vector<std::string>{"(silent)", "Beep", "エラー音", "", "", ""}));
    EXPECT_EQ(AlarmTimeFormat, "hh:nn");
    EXPECT_EQ(AlarmDateTimeFormat, "");
}

TEST_F(LanguageWinTest, WithoutLibraryEveryTextIsBuiltIn) {
    UseNoLibrary();
    EXPECT_FALSE(LanguageLibrary::Open());
    WeekdayAfterDate = false;
    std::string option = "ｵﾌﾟｼｮﾝ(&O)...";
    const TextReplacement menu[] = {ReplaceInto(1, option)};
    InitVocabulary(menu);
    EXPECT_EQ(option, "ｵﾌﾟｼｮﾝ(&O)...");
    EXPECT_TRUE(WeekdayAfterDate);
    EXPECT_EQ(CommandNames[2], "Windowsを終了");
    EXPECT_EQ(SoundNames[5], "メッセージ(問い合わせ)");
    EXPECT_EQ(AlarmDateTimeFormat, "ddddd hh\"時\" nn\"分\"");
}

TEST_F(LanguageWinTest, WindowHelpersPutTextsIntoMenusAndWindows) {
    UseTestLibrary();
    const UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.get(), MF_STRING, 101, L"ｵﾌﾟｼｮﾝ(&O)...");
    AppendMenuW(menu.get(), MF_STRING, 102, L"ｱﾗｰﾑ･ﾀｲﾏｰの設定...");
    HWND window = CreateWindowExW(0, L"STATIC", L"built-in", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const TextReplacement table[] = {MenuCaption(1, menu.get(), 101),
                                     MenuCaption(2, menu.get(), 102), WindowCaption(484, window)};
    EXPECT_TRUE(ApplyLanguage(table));

    wchar_t text[256];
    GetMenuStringW(menu.get(), 101, text, 256, MF_BYCOMMAND);
    EXPECT_EQ(Narrow(text), "Options(&O)...");
    GetMenuStringW(menu.get(), 102, text, 256, MF_BYCOMMAND);
    EXPECT_EQ(Narrow(text), "アラーム設定(&A)...");
    GetWindowTextW(window, text, 256);
    EXPECT_EQ(Narrow(text), "電源を切る");
    DestroyWindow(window);

    UseNoLibrary();
    EXPECT_FALSE(ApplyLanguage(table));
}
