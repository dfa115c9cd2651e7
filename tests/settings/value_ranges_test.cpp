// Numbers written by hand into the settings and style files come back from the readers in the
// ranges the options dialog offers; the file keeps them as written until the record is saved.
#include "clock/settings/value_ranges.h"

#include <gtest/gtest.h>

#include <map>

#include "clock/face/style_file.h"
#include "clock/settings/settings_file.h"
#include "support/scratch_folder.h"

using namespace vistrel;

namespace {

using O = TOptionItem;

struct HandEdited {
    const char* section;
    const char* key;
    const char* written;
    int O::*field;
    int read;
};

// One key of each kind, at and beyond both ends; codes keep what was written.
const HandEdited kCases[] = {
    {"NTP", "TimeOut", "3000000", &O::TimeOut, 300},
    {"Lock", "EscapeSpeed", "7", &O::EscapeSpeed, 5},
    {"Lock", "HoleSize", "-2147483648", &O::HoleSize, 10},
    {"Common", "Trans", "0", &O::Trans, 30},
    {"Alarm", "MRange", "60", &O::MRange, 59},
    {"Alarm", "HRange", "11", &O::HRange, 11},
    {"Alarm", "Speed", "2147483647", &O::Speed, 6},
    {"Alarm", "SnoozeMinutes", "61", &O::SnoozeMinutes, 60},
    {"Font", "DateSize", "17", &O::DateSize, 10},
    {"Font", "MojiBanPitchWidth", "19", &O::MojiBanPitchWidth, 20},
    {"Needle", "HLongLen", "-100", &O::HLongLen, 0},
    {"Needle", "SShortLen", "31", &O::SShortLen, 30},
    {"Frame", "Pos", "0", &O::FramePos, 1},
    {"Thick", "Style", "9", &O::ThickStyle, 9},
    {"Lock", "Mode", "-1", &O::Mode, -1},
};

} // namespace

TEST(ValueRanges, HandEditedNumbersAreReadAsTheDialogWouldTakeThem) {
    test::ScratchFolder dir;
    const std::string path = dir.File("Vistrel.Ini");
    std::map<std::string, std::string> sections{{"Common", "Ver=202\r\n"}};
    for (const HandEdited& c : kCases) {
        sections[c.section] += std::string(c.key) + "=" + c.written + "\r\n";
    }
    std::string file;
    for (const auto& [name, keys] : sections) file += "[" + name + "]\r\n" + keys;
    test::WriteBytes(path, file);

    TOptionItem o;
    WindowSettings w;
    ReadSettings(path, {dir.Path(), 1920, true, {}}, o, w);
    ReadStyle(path, o, w.Ver);
    for (const HandEdited& c : kCases) {
        EXPECT_EQ(o.*c.field, c.read) << c.section << "/" << c.key << "=" << c.written;
        const ValueRange& range = RangeOf(c.field);
        EXPECT_STREQ(range.key, c.key);
    }
    EXPECT_EQ(test::ReadBytes(path), file);

    // A save writes what the program used.
    o.MultiUser = false;
    WriteSettings(dir.Path(), "user", o, w);
    const IniFile saved(path);
    EXPECT_EQ(saved.ReadInteger("NTP", "TimeOut", 0), 300);
    EXPECT_EQ(saved.ReadInteger("Lock", "EscapeSpeed", 0), 5);
}
