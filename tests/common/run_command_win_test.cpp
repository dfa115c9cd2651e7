#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "clock/common/error.h"
#include "clock/common/file_io.h"
#include "clock/common/run_command.h"
#include "clock/common/vocabulary.h"
#include "clock/common/wide_win.h"
#include "support/fake_string_source.h"
#include "support/recording_system_actions.h"

using namespace vistrel;
using vistrel::test::RecordingSystemActions;
using vistrel::test::ScopedLanguageLibrary;
using vistrel::test::ScopedSystemActions;

namespace {
class RunCommandWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScopedLanguageLibrary none({}, false);
        InitVocabulary();
        output = ProgramFolder() + "argdump_" + std::to_string(GetCurrentProcessId()) + ".txt";
        DeleteFileW(Widen(output).c_str());
    }
    void TearDown() override { DeleteFileW(Widen(output).c_str()); }

    static std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

    // The file's text once it exists, waiting up to 10 s for the started program.
    std::optional<std::string> WaitForOutput() const {
        for (int i = 0; i < 200; ++i) {
            if (auto bytes = ReadFileBytes(output)) return bytes;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return std::nullopt;
    }

    RecordingSystemActions system;
    ScopedSystemActions installed{system};
    std::string output;
};

std::string ExecErrorOf(const std::string& command) {
    try {
        StartCommandLine(command);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}
} // namespace

TEST_F(RunCommandWinTest, MissingProgramRaisesExecErrorWithTheSystemNumber) {
    EXPECT_EQ(ExecErrorOf(ProgramFolder() + "no_such_program.exe"), "Exec Error 2");
    EXPECT_EQ(ExecErrorOf(Quoted(ProgramFolder() + "no such program.exe") + " /x"), "Exec Error 2");
}

TEST_F(RunCommandWinTest, StartsTheProgramWithItsArgumentsWithoutWaiting) {
    const std::string program = ProgramFolder() + "argdump_win.exe";
    ASSERT_TRUE(FileExists(program)) << program << " is built with the tests";
    const std::string command =
        Quoted(program) + " " + Quoted(output) + " --slow 時計 \"two words\"";

    StartCommandLine(command);
    // The program sleeps before it writes: a runner that waited for it would return only after
    // the file is there.
    EXPECT_FALSE(FileExists(output));

    const auto seen = WaitForOutput();
    ASSERT_TRUE(seen.has_value()) << "the started program wrote nothing";
    EXPECT_EQ(*seen, command);
}
