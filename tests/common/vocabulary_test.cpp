#include "clock/common/vocabulary.h"

#include <gtest/gtest.h>

#include "support/fake_string_source.h"

using namespace vistrel;
using vistrel::test::ScopedLanguageLibrary;

namespace {
std::vector<std::string> BuiltInCommands() {
    return {kBuiltInCommandNames.begin(), kBuiltInCommandNames.end()};
}
std::vector<std::string> BuiltInSounds() {
    return {kBuiltInSoundNames.begin(), kBuiltInSoundNames.end()};
}

// A library with every number the main window asks for, except those given in missing.
// (Texts go in by emplace: g++ 12 at -O3 wrongly warns about assigning literals to map entries.)
std::map<int, std::string> FullLibrary(std::initializer_list<int> missing = {}) {
    std::map<int, std::string> texts;
    for (int n = 1; n <= 20; ++n) texts.emplace(n, "menu " + std::to_string(n));
    texts.emplace(130, "1");
    texts.emplace(352, "hh:nn");
    texts.emplace(353, "yyyy/mm/dd hh:nn");
    for (int n = 481; n <= 485; ++n) texts.emplace(n, "command " + std::to_string(n));
    for (int n = 491; n <= 496; ++n) texts.emplace(n, "sound " + std::to_string(n));
    for (int n : missing) texts.erase(n);
    return texts;
}
} // namespace

TEST(Vocabulary, WithoutLibraryEveryTextIsBuiltIn) {
    ScopedLanguageLibrary none({}, false);
    WeekdayAfterDate = false;
    std::string caption = "ｵﾌﾟｼｮﾝ(&O)...";
    const TextReplacement menu[] = {ReplaceInto(1, caption)};
    InitVocabulary(menu);
    EXPECT_EQ(CommandNames, BuiltInCommands());
    EXPECT_EQ(SoundNames, BuiltInSounds());
    EXPECT_EQ(AlarmTimeFormat, "hh\"時\" nn\"分\"");
    EXPECT_EQ(AlarmDateTimeFormat, "ddddd hh\"時\" nn\"分\"");
    EXPECT_TRUE(WeekdayAfterDate);
    EXPECT_EQ(caption, "ｵﾌﾟｼｮﾝ(&O)...");

    // A second run starts from the built-in lists instead of appending to them.
    InitVocabulary();
    EXPECT_EQ(CommandNames.size(), 5u);
    EXPECT_EQ(SoundNames.size(), 6u);
}

TEST(Vocabulary, LibraryReplacesListsFormatsAndWindowTexts) {
    ScopedLanguageLibrary library(FullLibrary());
    std::string caption = "ｵﾌﾟｼｮﾝ(&O)...", exit = "終了(&X)";
    const TextReplacement menu[] = {ReplaceInto(1, caption), ReplaceInto(15, exit)};
    InitVocabulary(menu);
    EXPECT_EQ(CommandNames, (std::vector<std::string>{"command 481", "command 482", "command 483",
                                                      "command 484", "command 485"}));
    EXPECT_EQ(SoundNames.front(), "sound 491");
    EXPECT_EQ(SoundNames.back(), "sound 496");
    EXPECT_EQ(AlarmTimeFormat, "hh:nn");
    EXPECT_EQ(AlarmDateTimeFormat, "yyyy/mm/dd hh:nn");
    EXPECT_EQ(caption, "menu 1");
    EXPECT_EQ(exit, "menu 15");
    EXPECT_TRUE(WeekdayAfterDate);
}

TEST(Vocabulary, MissingNumberEmptiesOnlyItsOwnText) {
    ScopedLanguageLibrary library(FullLibrary({483, 495, 353, 15}));
    std::string caption = "ｵﾌﾟｼｮﾝ(&O)...", exit = "終了(&X)";
    const TextReplacement menu[] = {ReplaceInto(1, caption), ReplaceInto(15, exit)};
    InitVocabulary(menu);
    EXPECT_EQ(CommandNames[2], "");
    EXPECT_EQ(CommandNames[3], "command 484");
    EXPECT_EQ(SoundNames[4], "");
    EXPECT_EQ(SoundNames[5], "sound 496");
    EXPECT_EQ(AlarmDateTimeFormat, "");
    EXPECT_EQ(AlarmTimeFormat, "hh:nn");
    EXPECT_EQ(exit, "");
    EXPECT_EQ(caption, "menu 1");
}

TEST(Vocabulary, WeekdayFlagFollowsString130OnlyWhenItIsAnInteger) {
    auto flag_after_init = [](const char* text) {
        auto texts = FullLibrary();
        texts.insert_or_assign(130, std::string(text));
        ScopedLanguageLibrary library(texts);
        WeekdayAfterDate = false; // the built-in value must come back where the text is no number
        InitVocabulary();
        return WeekdayAfterDate;
    };
    EXPECT_FALSE(flag_after_init("0")); // the weekday in front of the date
    EXPECT_FALSE(flag_after_init("-000"));
    EXPECT_TRUE(flag_after_init("1"));
    EXPECT_TRUE(flag_after_init(" 2 "));
    EXPECT_TRUE(flag_after_init("99999999999999999999999")); // too long for an int, still non-zero
    EXPECT_TRUE(flag_after_init("abc"));
    EXPECT_TRUE(flag_after_init("0x0"));
    EXPECT_TRUE(flag_after_init("1.5"));
    EXPECT_TRUE(flag_after_init("-"));
    // A library lacking 130 gives an empty text: not a number, the built-in flag stays.
    auto texts = FullLibrary({130});
    ScopedLanguageLibrary library(texts);
    InitVocabulary();
    EXPECT_TRUE(WeekdayAfterDate);

    EXPECT_FALSE(WeekdayFlagFromText("abc", false));
}
