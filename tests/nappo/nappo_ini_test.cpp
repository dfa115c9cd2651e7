#include "nappo/nappo_ini.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace nappo {
namespace {

using vistrel::test::ReadBytes;
using vistrel::test::ScratchFolder;
using vistrel::test::WriteBytes;

TEST(NappoIni, UseDllDefaultsToTheHookAndZeroMeansPolling) {
    ScratchFolder folder;
    const std::string path = folder.File(kNappoIniName);
    EXPECT_TRUE(ReadUseDll(path)); // no file
    struct Case {
        const char* content;
        bool use_dll;
    } cases[] = {
        {"[General]\r\nUseDll=0\r\n", false}, {"[general]\nusedll = 0\n", false},
        {"[General]\r\nUseDll=1\r\n", true},  {"[General]\r\nUseDll=nein\r\n", true},
        {"[Other]\r\nUseDll=0\r\n", true},
    };
    for (const Case& c : cases) {
        WriteBytes(path, c.content);
        EXPECT_EQ(ReadUseDll(path), c.use_dll) << c.content;
    }
}

TEST(NappoIni, WritingKeepsOnlyTheOneKey) {
    ScratchFolder folder;
    const std::string path = folder.File(kNappoIniName);
    WriteBytes(path, "; note\r\n[General]\r\nUseDll=0\r\nOther=5\r\n[More]\r\nX=1\r\n");
    WriteNappoIni(path, false);
    EXPECT_EQ(ReadBytes(path), "[General]\r\nUseDll=0\r\n");
    WriteNappoIni(path, true);
    EXPECT_EQ(ReadBytes(path), "[General]\r\nUseDll=1\r\n");
}

} // namespace
} // namespace nappo
