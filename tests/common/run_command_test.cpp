#include "clock/common/run_command.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "clock/alarm/alarm_sound_choice.h"
#include "clock/common/error.h"
#include "clock/common/vocabulary.h"
#include "support/fake_string_source.h"
#include "support/recording_system_actions.h"

using namespace vistrel;
using vistrel::test::RecordingSystemActions;
using vistrel::test::ScopedLanguageLibrary;
using vistrel::test::ScopedSystemActions;

namespace {
class RunCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScopedLanguageLibrary none({}, false);
        InitVocabulary();
        SetAdjustTimeHandler(
            [this](const std::any& settings) { adjusted.push_back(std::any_cast<int>(settings)); });
    }
    void TearDown() override { SetAdjustTimeHandler({}); }

    RecordingSystemActions system;
    ScopedSystemActions installed{system};
    std::vector<int> adjusted;
};
} // namespace

TEST_F(RunCommandTest, NothingForAnEmptyCommandOrTheNoneEntry) {
    RunCommand("");
    RunCommand("(なし)");
    EXPECT_TRUE(system.calls.empty());
    EXPECT_TRUE(adjusted.empty());
}

TEST_F(RunCommandTest, SessionEndsEnableThePrivilegeFirst) {
    RunCommand("Windowsを終了");
    RunCommand("Windowsを終了後、電源を切る");
    RunCommand("Windowsを再起動");
    EXPECT_EQ(system.calls, (std::vector<std::string>{"privilege", "exit 1", "privilege", "exit 9",
                                                      "privilege", "exit 2"}));
    // A refusal by the system is not reported.
    system.answer = false;
    EXPECT_NO_THROW(RunCommand("Windowsを終了"));
}

TEST_F(RunCommandTest, AdjustEntryHandsTheSettingsCopyToTheAdjustment) {
    RunCommand("時間合わせを実行", 42);
    EXPECT_EQ(adjusted, std::vector<int>{42});
    EXPECT_TRUE(system.calls.empty());

    SetAdjustTimeHandler({});
    EXPECT_THROW(RunCommand("時間合わせを実行", 42), Error);
}

TEST_F(RunCommandTest, NamesAreComparedExactlyWithTheCurrentList) {
    // Another case or a trailing space is a command line, never a shutdown.
    EXPECT_THROW(RunCommand("windowsを終了"), Error);
    EXPECT_THROW(RunCommand("Windowsを終了 "), Error);
    EXPECT_TRUE(system.calls.empty());

    // With a language library, only the library's names are actions; the built-in Japanese
    // text is then an ordinary command line.
    {
        ScopedLanguageLibrary english({{481, "(none)"},
                                       {482, "Adjust"},
                                       {483, "Shut down"},
                                       {484, "Power off"},
                                       {485, "Restart"}});
        InitVocabulary();
    }
    RunCommand("Power off");
    RunCommand("(none)");
    EXPECT_EQ(system.calls, (std::vector<std::string>{"privilege", "exit 9"}));
    EXPECT_THROW(RunCommand("Windowsを終了"), Error);
    EXPECT_EQ(system.calls.size(), 2u);
}

TEST_F(RunCommandTest, TheBuiltInNoneStaysNoneUnderALanguageLibrary) {
    // Alarm files written in Japanese hold "(なし)" as their action and sound; an English
    // library must neither start it as a program nor look for it as a sound file.
    {
        ScopedLanguageLibrary english({{481, "(none)"}, {491, "(none)"}});
        InitVocabulary();
    }
    EXPECT_NO_THROW(RunCommand("(なし)"));
    EXPECT_EQ(ChooseSound("(なし)").kind, SoundChoice::Kind::None);
    EXPECT_EQ(ChooseSound("(none)").kind, SoundChoice::Kind::None);
    EXPECT_TRUE(system.calls.empty());
    InitVocabulary();
}

TEST(SystemActionsGuard, TestProgramNeverReachesTheRealActions) {
    // The test support installs a guard before any test runs; without it a forgotten stand-in
    // would set the clock or end the session of the machine running the tests.
    EXPECT_NE(&CurrentSystemActions(), &detail::PlatformSystemActions());
    EXPECT_NONFATAL_FAILURE(CurrentSystemActions().EndSession(kExitShutdown), "EndSession");
}
