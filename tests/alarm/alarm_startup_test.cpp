// The alarm file at start-up, when it is not what the clock wrote: the user is told once, and a
// file that could not be taken in is never written over.
#include <gtest/gtest.h>

#include <filesystem>

#include "alarm/alarm_test_folder.h"
#include "clock/alarm/alarm_file.h"
#include "clock/common/file_io.h"
#include "clock/common/text_encoding.h"

using namespace vistrel;
using vistrel::test::TestFolder;

namespace {

const AlarmLineOptions kOptions{202, "(なし)", "(なし)"};
const TDateTime kNow = EncodeDateTime(2026, 12, 8, 6, 0, 0, 0);
const std::string kGood =
    "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",,9,,,0\r\n";
const std::string kBadDate = "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026-12-08 7時\",,9,,,0\r\n";
// A date with a two-digit year is no date: the file is recovered, not read as the year 1.
const std::string kTwoDigitYear =
    "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"01/01/01 07:00:00\",,9,,,0\r\n";

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string AllNotices(const AlarmStartup& s) {
    std::string all;
    for (const auto& n : s.notices) all += n.text + "\n";
    return all;
}

} // namespace

TEST(AlarmStartup, FilesThatCannotBeTakenInAreKeptAndToldAbout) {
    struct Case {
        const char* what;
        std::string bytes;
        bool keep;
        const char* told; // a part of the notices
        const char* not_told;
    };
    const Case cases[] = {
        {"good file", kGood + kGood, false, nullptr, nullptr},
        {"UTF-16 with its mark", std::string(kUtf16LeBom) + Utf8ToUtf16Le(kGood), true, "UTF-16",
         "yyyy/mm/dd"},
        {"UTF-16 without a mark", Utf8ToUtf16Le(kGood), true, "UTF-16", "yyyy/mm/dd"},
        {"bad date: backed up", kGood + kBadDate, false, "「Default.bak」に退避します", nullptr},
        {"two-digit year: backed up", kTwoDigitYear, false, "Default.bak", nullptr},
    };
    for (const Case& c : cases) {
        TestFolder folder;
        const std::string path = folder.Path("Default.CSV");
        WriteFileAtomic(path, c.bytes);
        AlarmList list;
        const AlarmStartup s = LoadAlarmFileAtStartup(path, list, kOptions, kNow);
        EXPECT_EQ(s.keep_file, c.keep) << c.what;
        const std::string told = AllNotices(s);
        EXPECT_EQ(told.empty(), c.told == nullptr) << c.what << "\n" << told;
        EXPECT_TRUE(!c.told || Has(told, c.told)) << c.what << "\n" << told;
        EXPECT_TRUE(!c.not_told || !Has(told, c.not_told)) << c.what;
        EXPECT_EQ(list.size(), c.told ? 0u : 2u) << c.what;
        EXPECT_EQ(*ReadFileBytes(path), c.bytes) << c.what; // nothing is written by the load
    }
}

TEST(AlarmStartup, ABackupThatCannotBeMadeKeepsTheAlarmFile) {
    TestFolder folder;
    const std::string path = folder.Path("Default.CSV");
    WriteFileAtomic(path, kGood + kBadDate);
    // Backups go to the program folder; one that is not there stands for a full disk.
    SetProgramFolderForTests(folder.Path("gone"));
    AlarmList list;
    const AlarmStartup s = LoadAlarmFileAtStartup(path, list, kOptions, kNow);
    EXPECT_TRUE(s.keep_file);
    EXPECT_TRUE(Has(AllNotices(s), "そのまま残し")) << AllNotices(s);
    EXPECT_FALSE(Has(AllNotices(s), "に退避します")) << AllNotices(s);
    EXPECT_TRUE(list.empty());
}

TEST(AlarmStartup, EveryRecoveryKeepsItsOwnBackup) {
    TestFolder folder;
    const std::string path = folder.Path("Default.CSV");
    const std::string first = kGood + kBadDate, second = kBadDate + kGood;
    std::vector<std::string> told;
    for (const std::string& bytes : {first, second, second}) {
        WriteFileAtomic(path, bytes);
        AlarmList list;
        const AlarmStartup s = LoadAlarmFileAtStartup(path, list, kOptions, kNow);
        EXPECT_FALSE(s.keep_file);
        told.push_back(s.notices.back().text);
    }
    EXPECT_EQ(*ReadFileBytes(folder.Path("Default.bak")), first);
    EXPECT_EQ(*ReadFileBytes(folder.Path("Default.1.bak")), second);
    EXPECT_FALSE(FileExists(folder.Path("Default.2.bak"))); // the same bytes are kept once
    EXPECT_TRUE(Has(told[0], "「Default.bak」に退避"));
    EXPECT_TRUE(Has(told[1], "「Default.1.bak」に退避"));
    EXPECT_TRUE(Has(told[2], "「Default.1.bak」に退避"));
    // A folder named "Default.bak" is passed over rather than ending the recovery.
    std::filesystem::remove(folder.Path("Default.bak"));
    std::filesystem::create_directory(folder.Path("Default.bak"));
    WriteFileAtomic(path, first);
    AlarmList list;
    EXPECT_FALSE(LoadAlarmFileAtStartup(path, list, kOptions, kNow).keep_file);
    EXPECT_EQ(*ReadFileBytes(folder.Path("Default.2.bak")), first);
}

TEST(AlarmStartup, InvalidShiftJisBytesInAMessageSurviveASave) {
    TestFolder folder;
    const std::string path = folder.Path("Default.CSV");
    // 81 20 is a lead byte without its trail: no character, but the user's bytes all the same.
    const std::string line = "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\","
                             "\"a\x81 b\x82\",9,,,0\r\n";
    WriteFileAtomic(path, line);
    AlarmList list;
    ASSERT_TRUE(LoadAlarmFileAtStartup(path, list, kOptions, kNow).notices.empty());
    ASSERT_EQ(list.size(), 1u);
    ASSERT_TRUE(SaveAlarmFile(path, list).saved);
    EXPECT_TRUE(Has(*ReadFileBytes(path), "\"a\x81 b\x82\"")) << *ReadFileBytes(path);
}
