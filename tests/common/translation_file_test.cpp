#include "clock/common/translation_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "clock/common/texts.h"

namespace vistrel {
namespace {

std::string EnglishFile() {
#ifdef VISTREL_WINE
    std::ifstream in("Z:" VISTREL_LANG_SOURCE "/en.txt", std::ios::binary);
#else
    std::ifstream in(VISTREL_LANG_SOURCE "/en.txt", std::ios::binary);
#endif
    return {std::istreambuf_iterator<char>(in), {}};
}

// The file with the line of one number taken out (or replaced by `line`). Built with append:
// g++ 12 at -O3 wrongly warns about adding literals to strings here.
std::string WithLine(std::string file, int number, std::string line) {
    std::string start("\n");
    start.append(std::to_string(number)).append("\t");
    const std::size_t at = file.find(start);
    const std::size_t end = file.find('\n', at + 1);
    if (!line.empty()) line.append("\n");
    return file.replace(at + 1, end - at, line);
}

std::string Appended(std::string file, const char* lines) { return file.append(lines); }

TEST(TranslationFile, TheCheckPassesTheEnglishFileAndNamesEachFault) {
    const std::string english = EnglishFile();
    ASSERT_FALSE(english.empty());
    const std::string missing_exit = WithLine(english, NumberOf(Tx::MenuExit), "");
    const struct {
        const char* what;
        std::string file;
        std::string expected; // the start of the one problem found; empty for none
    } cases[] = {
        {"the English file", english, ""},
        {"a missing number", missing_exit, "15: missing"},
        {"an unknown number", Appended(english, "4999\tExtra\n"), "4999: not a number"},
        {"a text over 255 bytes", WithLine(english, 1, std::string("1\t").append(256, 'x')),
         "1: longer than 255"},
        {"a placeholder lost", WithLine(english, NumberOf(Tx::MsgFileInUse), "1029\tIn use."),
         "1029: placeholders"},
        {"a line break lost", WithLine(english, NumberOf(Tx::MsgFileInUse), "1029\t%1 is in use."),
         "1029: line breaks"},
        {"a number given twice", Appended(missing_exit, "1\tAgain\n15\tExit\n"), "line "},
        {"an unknown escape", WithLine(english, 1, "1\tC:\\Windows"), "line "},
        {"no tab", WithLine(english, 1, "1 Options"), "line "},
    };
    for (const auto& c : cases) {
        const auto problems = CheckTranslation(ReadTranslationFile(c.file));
        if (c.expected.empty()) {
            EXPECT_TRUE(problems.empty())
                << c.what << ": " << (problems.empty() ? "" : problems[0]);
        } else {
            // An unreadable line also leaves its number missing; the first problem is the cause.
            ASSERT_FALSE(problems.empty()) << c.what;
            EXPECT_EQ(problems[0].rfind(c.expected, 0), 0u) << c.what << ": " << problems[0];
        }
    }
}

TEST(TranslationFile, EscapesStandForWhatTheProgramShows) {
    const TranslationFile file = ReadTranslationFile("# a note\r\n\n7\ta\\nb\\tc\\\\n\r\n");
    ASSERT_TRUE(file.problems.empty());
    EXPECT_EQ(file.texts.at(7), "a\r\nb\tc\\n");
    // The built-in texts read back as themselves (some are longer than a library may hold).
    const TranslationFile japanese = ReadTranslationFile(BuiltInTranslationFile());
    for (const std::string& problem : CheckTranslation(japanese))
        EXPECT_NE(problem.find("longer than"), std::string::npos) << problem;
    EXPECT_EQ(japanese.texts.at(NumberOf(Tx::MsgOverwriteAsk)), BuiltInText(Tx::MsgOverwriteAsk));
}

} // namespace
} // namespace vistrel
