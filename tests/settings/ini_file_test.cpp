#include "clock/settings/ini_file.h"

#include <gtest/gtest.h>

#include "clock/common/error.h"
#include "clock/common/file_io.h"
#include "clock/common/text_encoding.h"
#include "support/scratch_folder.h"

using namespace vistrel;
using vistrel::test::ReadBytes;
using vistrel::test::ScratchFolder;
using vistrel::test::WriteBytes;

namespace {
IniFile Parsed(const std::string& bytes) { return IniFile("unused.ini", bytes); }
std::string KeyNumber(std::size_t i) { return std::string("k").append(std::to_string(i)); }
} // namespace

TEST(IniFileRead, FindsKeysTheWayThePrivateProfileFunctionsDo) {
    const IniFile ini = Parsed("; comment\r\n"
                               "Orphan=before any section\r\n"
                               "[Common]\r\n"
                               "  Size =  133  \r\n"
                               "Name=\"  quoted  \"\r\n"
                               "Single='x'\r\n"
                               "Lone=\"\r\n"
                               "Empty=\r\n"
                               "no equals sign here\r\n"
                               "Size=999\r\n"
                               "[common]\r\n"
                               "Late=1\r\n"
                               "[Other] ; trailing\r\n"
                               "A=b=c\r\n");
    EXPECT_EQ(ini.ReadString("COMMON", "size", "-"), "133");
    EXPECT_EQ(ini.ReadString("Common", "Name", "-"), "  quoted  ");
    EXPECT_EQ(ini.ReadString("Common", "Single", "-"), "x");
    EXPECT_EQ(ini.ReadString("Common", "Lone", "-"), "\"");
    EXPECT_EQ(ini.ReadString("Common", "Empty", "-"), "");
    // A repeated section is not merged into the first: only the first one counts.
    EXPECT_EQ(ini.ReadString("Common", "Late", "-"), "-");
    EXPECT_EQ(ini.ReadString("Other", "A", "-"), "b=c");
    EXPECT_EQ(ini.ReadString("Missing", "Size", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Common", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("", "Orphan", "-"), "-");
    EXPECT_EQ(ini.ReadString("Common", "no equals sign here", "-"), "-");
}

TEST(IniFileRead, AcceptsEveryLineEnding) {
    const IniFile ini = Parsed("[A]\rK1=1\nK2=2\r\nK3=3");
    EXPECT_EQ(ini.ReadInteger("A", "K1", 0), 1);
    EXPECT_EQ(ini.ReadInteger("A", "K2", 0), 2);
    EXPECT_EQ(ini.ReadInteger("A", "K3", 0), 3);
    EXPECT_EQ(ini.Bytes(), "[A]\rK1=1\nK2=2\r\nK3=3");
}

TEST(IniFileRead, NumbersConvertStrictlyOrGiveTheDefault) {
    const IniFile ini = Parsed("[N]\nplain=42\nsigned=-17\nplus=+8\nspaced=   7\n"
                               "junk=12abc\nhex=0x10\nbig=2147483648\nsmall=-2147483648\n"
                               "plusminus=+-3\nsign=-\nword=yes\ntwo=2\nzero=0\n"
                               "sys=-16777211\nsysu=4278190085\nhuge=4294967296\n");
    EXPECT_EQ(ini.ReadInteger("N", "plain", -1), 42);
    EXPECT_EQ(ini.ReadInteger("N", "signed", -1), -17);
    EXPECT_EQ(ini.ReadInteger("N", "plus", -1), 8);
    EXPECT_EQ(ini.ReadInteger("N", "spaced", -1), 7);
    EXPECT_EQ(ini.ReadInteger("N", "small", -1), -2147483647 - 1);
    for (const char* bad : {"junk", "hex", "big", "plusminus", "sign", "word"}) {
        EXPECT_EQ(ini.ReadInteger("N", bad, -1), -1) << bad;
    }
    EXPECT_TRUE(ini.ReadBool("N", "two", false));
    EXPECT_FALSE(ini.ReadBool("N", "zero", true));
    EXPECT_TRUE(ini.ReadBool("N", "word", true));
    EXPECT_FALSE(ini.ReadBool("N", "word", false));
    // A system colour in its signed and in its unsigned spelling is the same colour.
    EXPECT_EQ(ini.ReadColor("N", "sys", 0), -16777211);
    EXPECT_EQ(ini.ReadColor("N", "sysu", 0), -16777211);
    EXPECT_EQ(ini.ReadColor("N", "huge", 5), 5);
}

TEST(IniFileWrite, ChangesOnlyTheKeyWrittenAndKeepsEverythingElseByteForByte) {
    const std::string original = "; settings\n"
                                 "[Common]\n"
                                 "  Size = 133 \n"
                                 "Unknown=keep me\n"
                                 "\n"
                                 "; end of common\n"
                                 "[Extra]\r\n"
                                 "x=1";
    IniFile ini = Parsed(original);
    ini.WriteInteger("Common", "Size", 133); // same value: the line keeps its spacing
    EXPECT_FALSE(ini.Modified());
    EXPECT_EQ(ini.Bytes(), original);

    ini.WriteInteger("common", "SIZE", 200);
    ini.WriteString("Common", "New", "v");
    ini.WriteString("Extra", "y", "2");
    ini.WriteString("Fresh", "k", "z");
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(ini.Bytes(), "; settings\n"
                           "[Common]\n"
                           "Size=200\n"
                           "Unknown=keep me\n"
                           "New=v\r\n"
                           "\n"
                           "; end of common\n"
                           "[Extra]\r\n"
                           "x=1\r\n"
                           "y=2\r\n"
                           "[Fresh]\r\n"
                           "k=z\r\n");
}

TEST(IniFileWrite, ValuesReadBackExactlyAsWritten) {
    IniFile ini("unused.ini");
    const std::vector<std::string> values = {"",           "plain",       "  padded  ",
                                             "\"quoted\"", "'single'",    "\"",
                                             "a=b",        "tab\tinside", "C:\\Program Files\\"};
    for (std::size_t i = 0; i < values.size(); ++i) {
        ini.WriteString("V", KeyNumber(i), values[i]);
    }
    const IniFile again = Parsed(ini.Bytes());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(again.ReadString("V", KeyNumber(i), "-"), values[i]);
    }
    ini.WriteInteger("V", "n", -2147483647 - 1);
    EXPECT_EQ(Parsed(ini.Bytes()).ReadInteger("V", "n", 0), -2147483647 - 1);
}

TEST(IniFileWrite, RefusesNamesAndValuesThatWouldCorruptTheFile) {
    IniFile ini("unused.ini", "[A]\nk=1\n");
    const std::string before = ini.Bytes();
    EXPECT_THROW(ini.WriteString("A", "k", "two\r\nlines"), Error);
    EXPECT_THROW(ini.WriteString("A", "k=x", "1"), Error);
    EXPECT_THROW(ini.WriteString("A", "", "1"), Error);
    EXPECT_THROW(ini.WriteString("A", ";k", "1"), Error);
    EXPECT_THROW(ini.WriteString("A]", "k", "1"), Error);
    EXPECT_THROW(ini.WriteString("", "k", "1"), Error);
    EXPECT_EQ(ini.Bytes(), before);
    EXPECT_FALSE(ini.Modified());
}

TEST(IniFileEncoding, JapaneseIsShiftJisOnDiskAndReadsBack) {
    ScratchFolder dir;
    const std::string path = dir.File("j.ini");
    IniFile ini(path);
    ini.WriteString("Font", "DateChar", "ＭＳ Ｐゴシック");
    ini.UpdateFile();
    EXPECT_EQ(
        ReadBytes(path),
        "[Font]\r\nDateChar=\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\n");
    EXPECT_EQ(IniFile(path).ReadString("Font", "DateChar", ""), "ＭＳ Ｐゴシック");
}

TEST(IniFileEncoding, TextShiftJisCannotHoldTurnsTheFileIntoUtf8) {
    // "時計" in Shift-JIS, then a junk byte pair that is no Shift-JIS character.
    const std::string sjis = "[A]\r\nname=\x8E\x9E\x8C\x76\r\njunk=\x82\xFF\r\n";
    IniFile ini("unused.ini", sjis);
    ini.WriteString("A", "other", "x");
    // The junk line is not touched and so keeps its bytes.
    EXPECT_EQ(ini.Bytes(), sjis + "other=x\r\n");

    ini.WriteString("A", "snow", "☃");
    const std::string bytes = ini.Bytes();
    EXPECT_EQ(bytes.substr(0, 3), kUtf8Bom);
    const IniFile again = Parsed(bytes);
    EXPECT_EQ(again.ReadString("A", "snow", ""), "☃");
    EXPECT_EQ(again.ReadString("A", "name", ""), "時計");
    EXPECT_EQ(again.ReadString("A", "other", ""), "x");
}

// A value holding bytes that are no Shift-JIS character (a hand edit, another program's file)
// reads the same after any save, and gives back its bytes when written to a Shift-JIS file.
TEST(IniFileEncoding, BytesThatAreNoShiftJisCharacterSurviveEverySave) {
    const std::string junk = "\x82\xFF\x81"; // a lead byte with a bad trail, a lone lead byte
    const std::string original = "[A]\r\njunk=" + junk + "\r\n";
    struct Case {
        const char* what;
        std::string written; // a value written beside it
        bool utf8_after;
    };
    const Case cases[] = {
        {"a value Shift-JIS holds: the file stays Shift-JIS", "時計", false},
        {"a value only UTF-8 holds: the file turns into UTF-8", "☃", true},
    };
    ScratchFolder dir;
    for (const Case& c : cases) {
        const std::string path = dir.File("junk.ini");
        WriteBytes(path, original);
        IniFile ini(path);
        const std::string before = ini.ReadString("A", "junk", "");
        EXPECT_EQ(Utf8ToSjisEscaped(before), junk) << c.what;
        ini.WriteString("A", "new", c.written);
        ini.UpdateFile();

        const std::string saved = ReadBytes(path);
        EXPECT_EQ(saved.rfind(kUtf8Bom, 0) == 0, c.utf8_after) << c.what;
        if (!c.utf8_after) {
            EXPECT_EQ(saved.substr(0, original.size()), original) << c.what;
        }
        const IniFile again(path);
        EXPECT_EQ(again.ReadString("A", "junk", "-"), before) << c.what;
        EXPECT_EQ(again.ReadString("A", "new", "-"), c.written) << c.what;
        // The value copied into a Shift-JIS file is the bytes it was read from.
        IniFile copy("unused.ini");
        copy.WriteString("B", "junk", again.ReadString("A", "junk", ""));
        EXPECT_EQ(copy.Bytes(), "[B]\r\njunk=" + junk + "\r\n") << c.what;
    }
}

TEST(IniFileSave, WritesOnlyWhenChangedAndNamesTheFileOnFailure) {
    ScratchFolder dir;
    const std::string path = dir.File("s.ini");
    IniFile unchanged(path);
    unchanged.UpdateFile();
    EXPECT_FALSE(FileExists(path));

    IniFile nowhere(dir.File("missing-folder/s.ini"));
    nowhere.WriteInteger("A", "k", 1);
    try {
        nowhere.UpdateFile();
        FAIL() << "saving into a missing folder succeeded";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("s.ini"), std::string::npos) << e.what();
    }
}

TEST(IniFileHostile, OversizedFilesAreNeitherReadNorOverwritten) {
    ScratchFolder dir;
    const std::string path = dir.File("big.ini");
    const std::string big = "[A]\r\nk=1\r\n" + std::string(IniFile::kMaxFileBytes, ';');
    WriteBytes(path, big);
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("A", "k", 7), 7);
    EXPECT_THROW(ini.WriteInteger("A", "k", 2), Error);
    ini.UpdateFile();
    EXPECT_EQ(ReadBytes(path).size(), big.size());
}

TEST(IniFileHostile, JunkLongLinesAndNulBytesDoNotHideTheRest) {
    std::string bytes = "[A]\n";
    bytes += std::string(1 << 20, 'x') + "=" + std::string(1000, 'y') + "\n";
    bytes += std::string("\0\x01\xFF\xFE[]=\n", 9);
    bytes += "[\n]\n==\n\x81\n";
    bytes += "k=found\n";
    bytes += std::string("nul=a\0b\n", 8);
    IniFile ini("unused.ini", bytes);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "found");
    EXPECT_EQ(ini.ReadString("A", "nul", ""), std::string("a\0b", 3));
    ini.WriteString("A", "added", "1");
    EXPECT_EQ(ini.Bytes(), bytes + "added=1\r\n");
}

namespace {
std::string Utf16(const std::string& utf8) { return Utf8ToUtf16Le(utf8); }
} // namespace

// Files as other editors and users leave them: each is read the way the system's profile
// functions read it, and a save changes nothing but the key written.
TEST(IniFileForeign, HandEditedAndUtf16FilesReadAndSaveLikeTheProfileFunctions) {
    struct Case {
        const char* what;
        std::string bytes;
        int size;                         // what ReadInteger("Common", "Size", 0) finds
        std::string expected_after_write; // after WriteInteger("Common", "Size", 200)
    };
    const std::string bom16(kUtf16LeBom);
    const Case cases[] = {
        {"blanks inside the brackets", "[ Common ]\r\nSize=133\r\n", 133,
         "[ Common ]\r\nSize=200\r\n"},
        {"end-of-file mark after the last value", "[Common]\r\nSize=133\x1A", 133,
         "[Common]\r\nSize=200\x1A"},
        {"UTF-16LE with its mark", bom16 + Utf16("[Common]\r\n時計=針\r\nSize=133\r\n"), 133,
         bom16 + Utf16("[Common]\r\n時計=針\r\nSize=200\r\n")},
        {"UTF-16LE, no final line end, end-of-file mark", bom16 + Utf16("[Common]\r\nSize=133\x1A"),
         133, bom16 + Utf16("[Common]\r\nSize=200\x1A")},
        // "[]" opens a section with an empty name: the keys after it are not the previous
        // section's, a key of that section goes before it, and the line stays.
        {"keys after an empty section header", "[Common]\r\n[]\r\nSize=133\r\n", 0,
         "[Common]\r\nSize=200\r\n[]\r\nSize=133\r\n"},
        {"an empty section header before the section", "[]\r\nSize=1\r\n[Common]\r\nSize=133\r\n",
         133, "[]\r\nSize=1\r\n[Common]\r\nSize=200\r\n"},
        {"an empty header with blanks, last line", "[Common]\r\nSize=133\r\n[ ]", 133,
         "[Common]\r\nSize=200\r\n[ ]"},
    };
    for (const Case& c : cases) {
        IniFile ini = Parsed(c.bytes);
        EXPECT_FALSE(ini.LoadFailed()) << c.what;
        EXPECT_EQ(ini.ReadInteger("Common", "Size", 0), c.size) << c.what;
        EXPECT_EQ(ini.Bytes(), c.bytes) << c.what;
        ini.WriteInteger("Common", "Size", 200);
        EXPECT_EQ(ini.Bytes(), c.expected_after_write) << c.what;
    }
    IniFile utf16 = Parsed(bom16 + Utf16("[Common]\r\n時計=針\r\n"));
    EXPECT_EQ(utf16.ReadString("Common", "時計", ""), "針");
    utf16.WriteString("Style", "Name", "雪だるま☃");
    EXPECT_EQ(utf16.Bytes(), bom16 + Utf16("[Common]\r\n時計=針\r\n[Style]\r\nName=雪だるま☃\r\n"));
}

TEST(IniFileForeign, FilesThatCannotBeReadAreNeverWritten) {
    ScratchFolder dir;
    const std::string big = dir.File("big.Ini");
    const std::string big_bytes = "[Common]\r\nSize=133\r\n" + std::string(6 << 20, ';');
    WriteBytes(big, big_bytes);
    const std::string be = dir.File("be.Ini");
    const std::string be_bytes = std::string(kUtf16BeBom) + std::string("\0[\0C", 4);
    WriteBytes(be, be_bytes);
    for (const std::string& path : {big, be}) {
        IniFile ini(path);
        EXPECT_TRUE(ini.LoadFailed()) << path;
        EXPECT_NE(ini.LoadFailure().find(path), std::string::npos) << ini.LoadFailure();
        EXPECT_EQ(ini.ReadInteger("Common", "Size", 7), 7);
        EXPECT_THROW(ini.WriteInteger("Common", "Size", 1), Error);
        EXPECT_NO_THROW(ini.UpdateFile());
    }
    EXPECT_NE(IniFile(big).LoadFailure().find("大きすぎ"), std::string::npos);
    EXPECT_NE(IniFile(be).LoadFailure().find("UTF-16"), std::string::npos);
    EXPECT_EQ(ReadBytes(big), big_bytes);
    EXPECT_EQ(ReadBytes(be), be_bytes);
    EXPECT_FALSE(IniFile(dir.File("missing.Ini")).LoadFailed());
}
