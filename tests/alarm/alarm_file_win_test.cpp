#include <windows.h>

#include <gtest/gtest.h>

#include "alarm/alarm_test_folder.h"
#include "clock/alarm/alarm_file.h"
#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"

using namespace vistrel;
using vistrel::test::TestFolder;

TEST(AlarmFileWin, SavingAFileHeldByAnotherProgramSaysSoAndLeavesIt) {
    TestFolder folder;
    const std::string path = folder.Path("Default.CSV");
    WriteFileAtomic(path, "old contents\r\n");
    {
        // Another program holding the file open without sharing it.
        UniqueFile held(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        TAlarmItem a;
        a.message = "new";
        const AlarmSaveResult r = SaveAlarmFile(path, {a});
        EXPECT_FALSE(r.saved);
        EXPECT_EQ(r.notice, AlarmFileNotice::Plain);
        EXPECT_EQ(r.message, "ｱﾗｰﾑ情報ﾌｧｲﾙの保存に失敗しました。\r\n" + path +
                                 "\r\nは他のﾌﾟﾛｸﾞﾗﾑで使用中です。");
    }
    EXPECT_EQ(*ReadFileBytes(path), "old contents\r\n");
    EXPECT_TRUE(SaveAlarmFile(path, {}).saved); // released: the save goes through
    EXPECT_EQ(*ReadFileBytes(path), "");
}
