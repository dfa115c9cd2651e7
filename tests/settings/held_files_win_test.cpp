// Files held open without sharing, as a backup or sync program holds them for a moment: the
// readers say so in Japanese and the holder's file is never written over.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "alarm/alarm_test_folder.h"
#include "clock/alarm/alarm_file.h"
#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"
#include "clock/settings/ini_file.h"
#include "clock/settings/settings_file.h"

using namespace vistrel;
using vistrel::test::TestFolder;

namespace {

UniqueFile Hold(const std::string& path) {
    return UniqueFile(CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::string kAlarm =
    "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",,9,,,0\r\n";

} // namespace

TEST(HeldFiles, ReadersReportAHeldFileAndNothingWritesOverIt) {
    TestFolder folder;
    const std::string ini_path = folder.Path("Vistrel.Ini");
    const std::string ini_bytes = "[Common]\r\nMultiUser=0\r\nVer=202\r\n";
    const std::string csv_path = folder.Path("Default.CSV");
    WriteFileAtomic(ini_path, ini_bytes);
    WriteFileAtomic(csv_path, kAlarm);
    UnreadFiles unread;
    {
        const UniqueFile ini_hold = Hold(ini_path);
        const UniqueFile csv_hold = Hold(csv_path);
        ASSERT_TRUE(ini_hold && csv_hold);

        TOptionItem o;
        WindowSettings w;
        const std::string told = ReadSharedSettings(ini_path, o, w);
        EXPECT_TRUE(Has(told, "使用中")) << told;
        EXPECT_TRUE(o.MultiUser); // the defaults, since nothing could be read
        unread.Add(ini_path);

        AlarmList list;
        const AlarmStartup s = LoadAlarmFileAtStartup(csv_path, list, {202, "(なし)", "(なし)"});
        EXPECT_TRUE(s.keep_file);
        ASSERT_EQ(s.notices.size(), 1u);
        EXPECT_TRUE(Has(s.notices[0].text, "使用中")) << s.notices[0].text;
        EXPECT_TRUE(Has(s.notices[0].text, csv_path));

        try {
            WriteFileAtomic(csv_path, "other");
            ADD_FAILURE() << "a held file was replaced";
        } catch (const FileError& e) {
            EXPECT_TRUE(Has(e.what(), csv_path)) << e.what();
            EXPECT_TRUE(Has(e.what(), "書き込めませんでした")) << e.what();
        }
    }
    // Released before the close: the close still leaves the settings file as it was.
    TOptionItem o;
    WindowSettings w;
    WriteSettings(folder.Path(""), "alice", o, w, std::nullopt, unread);
    EXPECT_EQ(*ReadFileBytes(ini_path), ini_bytes);
    EXPECT_EQ(*ReadFileBytes(csv_path), kAlarm);
}

TEST(HeldFiles, AFileLetGoOfWithinAMomentIsRead) {
    TestFolder folder;
    const std::string path = folder.Path("Default.CSV");
    WriteFileAtomic(path, kAlarm);
    UniqueFile hold = Hold(path);
    ASSERT_TRUE(hold);
    std::thread release([&hold] {
        Sleep(150);
        hold.reset();
    });
    const FileRead read = ReadWholeFile(path);
    release.join();
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.bytes, kAlarm);
}
