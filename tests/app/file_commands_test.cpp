#include "clock/app/file_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/common/file_io.h"
#include "clock/common/message_box.h"
#include "clock/alarm/alarm_file.h"
#include "clock/common/text_encoding.h"
#include "clock/face/style_file.h"
#include "support/scratch_folder.h"
#include "support/scripted_shell.h"

using namespace vistrel;

namespace {

// Two daily alarms far in the future, as the alarm file holds them.
const char* const kTwoAlarms =
    "0,2,0,2,-16777211,\"1899/12/30 07:30:00\",1,1,\"2030/12/08 07:30:00\",\"会議\",12,(なし),"
    "一般の警告音,0\r\n"
    "0,2,0,2,-16777211,\"1899/12/30 08:00:00\",1,1,\"2030/12/08 08:00:00\",\"昼\",12,(なし),"
    "一般の警告音,0\r\n";

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
            boxes.push_back(call);
            return answer;
        });
    }
    void TearDown() override { SetMessageBoxAnswererForTests({}); }

    std::string WriteAlarmFile(const std::string& name) {
        const std::string path = dir.File(name);
        test::WriteBytes(path, *Utf8ToSjis(kTwoAlarms));
        return path;
    }

    test::ScratchFolder dir;
    test::ScriptedShell shell;
    test::ScopedShellServices scoped{shell};
    std::vector<MessageBoxCall> boxes;
    MsgResult answer = MsgResult::Yes;
    const AlarmLineOptions options{202, "(なし)", "(なし)"};
};

} // namespace

TEST_F(FileCommands, StyleIsSavedWhereTheUserChoseAndThatFolderIsRemembered) {
    TOptionItem option;
    option.StyleDir = "elsewhere\\";
    option.HNeedleW = 37;
    shell.answers.push_back(dir.File("mine.vsy"));
    EXPECT_TRUE(SaveStyleAs(option, nullptr));
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0],
              (FileDialogRequest{"elsewhere\\", "vsy", "Vistrel Style DATA files (*.vsy)|*.vsy"}));
    EXPECT_TRUE(boxes.empty()) << "a new file needs no question";
    EXPECT_EQ(option.StyleDir, dir.Path());
    TOptionItem back;
    ReadStyle(dir.File("mine.vsy"), back);
    EXPECT_EQ(back.HNeedleW, 37);
}

TEST_F(FileCommands, ReplacingAFileIsAskedAndNoKeepsIt) {
    TOptionItem option;
    option.StyleDir = dir.Path();
    test::WriteBytes(dir.File("old.vsy"), "keep me");
    answer = MsgResult::No;
    shell.answers.push_back(dir.File("old.vsy"));
    EXPECT_FALSE(SaveStyleAs(option, nullptr));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              dir.File("old.vsy") + "\r\nこのファイルはすでに存在します。\r\n\r\n上書きしますか？");
    EXPECT_EQ(boxes[0].type, MsgType::Information);
    EXPECT_EQ(boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(test::ReadBytes(dir.File("old.vsy")), "keep me");

    // Yes replaces the whole file with the style alone.
    answer = MsgResult::Yes;
    test::WriteBytes(dir.File("old.vsy"), "[Other]\r\nStray=1\r\n");
    shell.answers.push_back(dir.File("old.vsy"));
    option.HNeedleW = 33;
    EXPECT_TRUE(SaveStyleAs(option, nullptr));
    EXPECT_EQ(test::ReadBytes(dir.File("old.vsy")).find("Stray"), std::string::npos);
    TOptionItem back;
    ReadStyle(dir.File("old.vsy"), back);
    EXPECT_EQ(back.HNeedleW, 33);

    // A cancelled dialog does nothing at all.
    boxes.clear();
    EXPECT_FALSE(SaveStyleAs(option, nullptr));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FileCommands, LoadingIntoAnEmptyListAsksNothingAndAddingTwiceDoubles) {
    const std::string file = WriteAlarmFile("two.vsa");
    AlarmList alarms;
    std::string folder = "start\\";
    shell.answers = {file, file, file};
    EXPECT_TRUE(LoadAlarms(AlarmLoad::Replace, alarms, folder, options, nullptr));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(alarms.size(), 2u);
    EXPECT_EQ(folder, dir.Path());
    EXPECT_EQ(shell.requests[0].default_extension, "vsa");
    EXPECT_EQ(shell.requests[0].filter, "Vistrel Alarm DATA files (*.vsa)|*.vsa");
    EXPECT_EQ(shell.requests[0].folder, "start\\");

    EXPECT_TRUE(LoadAlarms(AlarmLoad::Add, alarms, folder, options, nullptr));
    EXPECT_TRUE(boxes.empty()) << "adding asks nothing";
    EXPECT_EQ(alarms.size(), 4u);
    EXPECT_TRUE(LoadAlarms(AlarmLoad::Add, alarms, folder, options, nullptr));
    EXPECT_EQ(alarms.size(), 6u);
}

TEST_F(FileCommands, OpeningOverAListAsksBeforeDiscardingIt) {
    const std::string file = WriteAlarmFile("two.vsa");
    AlarmList alarms(5);
    std::string folder = dir.Path();
    answer = MsgResult::No;
    shell.answers = {file, file};
    EXPECT_FALSE(LoadAlarms(AlarmLoad::Replace, alarms, folder, options, nullptr));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "現在のアラーム情報を破棄して、データファイルを読み込みます。\r\nよろしいですか");
    EXPECT_EQ(boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(alarms.size(), 5u);

    answer = MsgResult::Yes;
    EXPECT_TRUE(LoadAlarms(AlarmLoad::Replace, alarms, folder, options, nullptr));
    EXPECT_EQ(alarms.size(), 2u);
}

TEST_F(FileCommands, AlarmsSavedUnderANameReadBackTheSame) {
    AlarmList alarms;
    std::string folder = dir.Path();
    shell.answers = {WriteAlarmFile("two.vsa")};
    ASSERT_TRUE(LoadAlarms(AlarmLoad::Replace, alarms, folder, options, nullptr));
    folder = "other\\";
    shell.answers = {dir.File("copy.vsa")};
    EXPECT_TRUE(SaveAlarmsAs(alarms, folder, nullptr));
    EXPECT_EQ(folder, dir.Path());
    AlarmList back;
    shell.answers = {dir.File("copy.vsa")};
    ASSERT_TRUE(LoadAlarms(AlarmLoad::Replace, back, folder, options, nullptr));
    EXPECT_EQ(FormatAlarmText(back), FormatAlarmText(alarms));
}

TEST_F(FileCommands, AFileThatCannotBeReadChangesNothing) {
    const std::string good = WriteAlarmFile("two.vsa");
    std::string fifth_bad = std::string(kTwoAlarms) + kTwoAlarms;
    fifth_bad += "0,2,0,0\r\n";
    struct Case {
        std::string name, bytes;
        AlarmLoad how;
        std::string said; // part of the box's text
    };
    const std::vector<Case> cases{
        {"random.vsa", std::string("\x9f\x01\xfe\x80,,\"\xff\r\n\x05", 12), AlarmLoad::Replace,
         "1 行目"},
        {"short.vsa", "0,2,0\r\n", AlarmLoad::Replace, "項目が 3 個しかありません"},
        {"utf16.vsa",
         std::string("\xff\xfe"
                     "0\0,\0"
                     "2\0",
                     8),
         AlarmLoad::Replace, "UTF-16"},
        {"fifth.vsa", *Utf8ToSjis(fifth_bad), AlarmLoad::Add, "5 行目"},
    };
    for (const Case& c : cases) {
        AlarmList alarms;
        std::string folder = "before\\";
        shell.answers = {good};
        ASSERT_TRUE(LoadAlarms(AlarmLoad::Replace, alarms, folder, options, nullptr));
        const AlarmList before = alarms;
        folder = "before\\";
        test::WriteBytes(dir.File(c.name), c.bytes);
        shell.answers = {dir.File(c.name)};
        boxes.clear();
        EXPECT_FALSE(LoadAlarms(c.how, alarms, folder, options, nullptr)) << c.name;
        EXPECT_EQ(alarms, before) << c.name;
        EXPECT_EQ(folder, "before\\") << c.name;
        ASSERT_FALSE(boxes.empty()) << c.name;
        const std::string& told = boxes.back().text;
        EXPECT_NE(told.find(c.said), std::string::npos) << told;
        EXPECT_NE(told.find(dir.File(c.name)), std::string::npos) << told;
        EXPECT_NE(told.find("現在のアラーム情報は変わりません。"), std::string::npos) << told;
    }
}
