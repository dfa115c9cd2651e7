#include "clock/alarm/alarm_action.h"

#include <gtest/gtest.h>

#include "clock/common/system_actions.h"
#include "clock/common/vocabulary.h"
#include "support/fake_string_source.h"

using namespace vistrel;
using vistrel::test::ScopedLanguageLibrary;

namespace {

enum class Names { BuiltIn, FromLibrary };

void UseNames(Names names) {
    if (names == Names::BuiltIn) {
        ScopedLanguageLibrary none({}, false);
        InitVocabulary();
        return;
    }
    ScopedLanguageLibrary english({{481, "(none)"},
                                   {482, "Adjust"},
                                   {483, "Shut down"},
                                   {484, "Power off"},
                                   {485, "Restart"}});
    InitVocabulary();
}

} // namespace

TEST(AlarmAction, TheTextNamesABuiltInActionExactlyOrIsACommandLine) {
    struct Case {
        Names names;
        std::string text;
        AlarmAction expected;
    };
    const Case cases[] = {
        {Names::BuiltIn, "", NoAction{}},
        {Names::BuiltIn, "(なし)", NoAction{}},
        {Names::BuiltIn, "時間合わせを実行", AdjustTimeAction{}},
        {Names::BuiltIn, "Windowsを終了", EndSessionAction{kExitShutdown}},
        {Names::BuiltIn, "Windowsを終了後、電源を切る",
         EndSessionAction{kExitShutdown | kExitPowerOff}},
        {Names::BuiltIn, "Windowsを再起動", EndSessionAction{kExitReboot}},
        // Another case or a trailing space is a command line, never a shutdown.
        {Names::BuiltIn, "windowsを終了", StartProgramAction{"windowsを終了"}},
        {Names::BuiltIn, "Windowsを終了 ", StartProgramAction{"Windowsを終了 "}},
        {Names::BuiltIn, "\"C:\\Tools\\backup.exe\" /q",
         StartProgramAction{"\"C:\\Tools\\backup.exe\" /q"}},
        // With a language library, only the library's names are actions; the built-in Japanese
        // text is then an ordinary command line.
        {Names::FromLibrary, "(none)", NoAction{}},
        {Names::FromLibrary, "Adjust", AdjustTimeAction{}},
        {Names::FromLibrary, "Power off", EndSessionAction{kExitShutdown | kExitPowerOff}},
        {Names::FromLibrary, "Windowsを終了", StartProgramAction{"Windowsを終了"}},
        // Except the built-in "no action": files written in Japanese hold it.
        {Names::FromLibrary, "(なし)", NoAction{}},
        {Names::FromLibrary, "", NoAction{}},
    };
    for (const Case& c : cases) {
        UseNames(c.names);
        EXPECT_EQ(ActionOf(c.text), c.expected) << c.text;
    }
    UseNames(Names::BuiltIn);
}
