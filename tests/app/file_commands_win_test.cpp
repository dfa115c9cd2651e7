#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "clock/app/file_commands.h"
#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"
#include "clock/common/wide_win.h"
#include "support/scratch_folder.h"
#include "support/scripted_shell.h"

using namespace vistrel;

TEST(FileCommandsWin, SavingOverAFileHeldOpenWarnsAndWritesNothing) {
    test::ScratchFolder dir;
    const std::string path = dir.File("held.vsy");
    test::WriteBytes(path, "[Common]\r\nStyleVer=210\r\n");
    // Another program holds the file open for reading, without leave to replace it.
    const UniqueFile held(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);

    std::vector<MessageBoxCall> boxes;
    SetMessageBoxAnswererForTests([&](const MessageBoxCall& call) {
        boxes.push_back(call);
        return MsgResult::Yes;
    });
    test::ScriptedShell shell;
    test::ScopedShellServices scoped(shell);
    shell.answers = {path, path};
    TOptionItem option;
    option.StyleDir = "C:\\before\\";
    EXPECT_FALSE(SaveStyleAs(option, nullptr));
    AlarmList alarms(1);
    std::string folder = "C:\\before\\";
    EXPECT_FALSE(SaveAlarmsAs(alarms, folder, nullptr));
    SetMessageBoxAnswererForTests({});

    ASSERT_EQ(boxes.size(), 4u); // question and warning, for the style and for the alarms
    for (const size_t warning : {1u, 3u}) {
        EXPECT_EQ(boxes[warning].text, path + "\r\nこのファイルは他のプログラムで使用中です。");
        EXPECT_EQ(boxes[warning].type, MsgType::Warning);
    }
    EXPECT_EQ(test::ReadBytes(path), "[Common]\r\nStyleVer=210\r\n");
    EXPECT_EQ(option.StyleDir, "C:\\before\\");
    EXPECT_EQ(folder, "C:\\before\\");
    // Nothing is left beside it either.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}
