// Settings and style files edited by hand, damaged or replaced by junk must load without a crash
// and leave a record that the painter can draw from.
#include <gtest/gtest.h>

#include <random>

#include "clock/face/style_file.h"
#include "clock/face/style_limits.h"
#include "clock/settings/ini_file.h"
#include "clock/settings/settings_file.h"
#include "support/scratch_folder.h"

using namespace vistrel;

namespace {

// Pieces a damaged file is made of: real keys with wild values, and plain junk.
std::string RandomLine(std::mt19937& rng) {
    static const std::vector<std::string> keys = {
        "Size",       "PointX",   "DateCharForm", "ThickSize", "HNeedleW", "StyleVer", "DSPOrder_0",
        "DSPOrder_6", "Style",    "MStyle",       "DateSize",  "MojiSize", "ColorH",   "Dir",
        "LastDate",   "DateChar", "Server",       "MultiUser", "Ver"};
    static const std::vector<std::string> values = {"",
                                                    "-1",
                                                    "-50",
                                                    "0",
                                                    "1",
                                                    "20",
                                                    "74",
                                                    "211",
                                                    "2147483647",
                                                    "-2147483648",
                                                    "99999999999999999999",
                                                    "4294967295",
                                                    "1e9",
                                                    " 12 ",
                                                    "\"q\"",
                                                    "2024/02/30",
                                                    "9999/12/31 23:59:59",
                                                    "\xFF\xFE\x81",
                                                    "ＭＳ Ｐゴシック"};
    static const std::vector<std::string> sections = {
        "[Common]", "[Color]", "[Thick]", "[Font]", "[Needle]", "[Frame]",
        "[NTP]",    "[Alarm]", "[",       "]",      "[]",       "[[Common]]"};
    std::uniform_int_distribution<int> kind(0, 9);
    auto pick = [&rng](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
    };
    switch (kind(rng)) {
    case 0: return pick(sections);
    case 1: { // binary junk, NUL bytes included
        std::string junk(std::uniform_int_distribution<int>(1, 64)(rng), '\0');
        for (auto& c : junk) c = static_cast<char>(rng());
        return junk;
    }
    case 2: return pick(keys) + " " + pick(values); // no '='
    default: return pick(keys) + "=" + pick(values);
    }
}

std::string RandomFile(std::mt19937& rng) {
    static const std::vector<std::string> endings = {"\r\n", "\n", "\r"};
    std::string file;
    const int lines = std::uniform_int_distribution<int>(0, 80)(rng);
    for (int i = 0; i < lines; ++i) {
        file += RandomLine(rng) + endings[rng() % endings.size()];
    }
    return file;
}

void ExpectDrawable(const TOptionItem& o) {
    const TOptionItem c = ClampedForDrawing(o);
    EXPECT_GT(17 - c.DateSize, 0);
    EXPECT_GT(17 - c.TimeSize, 0);
    EXPECT_GT(15 - c.MojiSize, 0);
    EXPECT_GE(c.MojiBanPitchWidth, 20);
    EXPECT_GE(c.HLongLen, 0);
    EXPECT_GE(c.SShortLen, 0);
}

} // namespace

TEST(HostileFiles, RandomDamagedFilesLoadAndSaveWithoutHarm) {
    std::mt19937 rng(20240229);
    test::ScratchFolder dir;
    // Through real files: few rounds, since every save goes to the disk.
    for (int round = 0; round < 25; ++round) {
        test::WriteBytes(dir.File("Vistrel.Ini"), RandomFile(rng));
        TOptionItem o;
        WindowSettings w;
        ReadSharedSettings(SharedSettingsPath(dir.Path()), o, w);
        ReadSettings(SharedSettingsPath(dir.Path()), {dir.Path(), 1920, true, {}}, o, w);
        EXPECT_GE(w.Size, 50);
        ReadStyle(SharedSettingsPath(dir.Path()), o, w.Ver);
        ExpectDrawable(o);
        o.MultiUser = false;
        WriteSettings(dir.Path(), "user", o, w);
        TOptionItem back = o;
        ReadSettings(SharedSettingsPath(dir.Path()), {dir.Path(), 1920, true, {}}, back, w);
        ReadStyle(SharedSettingsPath(dir.Path()), back, w.Ver);
        EXPECT_EQ(back, o) << "round " << round;
    }
    // In memory: many more damaged files through the reader and the style writer.
    for (int round = 0; round < 120; ++round) {
        IniFile ini("unused.ini", RandomFile(rng));
        TOptionItem o;
        ReadStyle(ini, o);
        ExpectDrawable(o);
        // Saving the style over the damage keeps what it read, and the damage around it.
        WriteStyle(ini, o);
        TOptionItem back;
        ReadStyle(IniFile("unused.ini", ini.Bytes()), back);
        EXPECT_EQ(back, o) << "round " << round;
    }
}

TEST(HostileFiles, HugeLinesAndNegativeSizesLoad) {
    test::ScratchFolder dir;
    const std::string huge(1 << 20, 'Z');
    test::WriteBytes(dir.File("Vistrel.Ini"),
                     "[Common]\r\n" + huge + "\r\nSize=-2147483648\r\nDSPOrder_0=" + huge +
                         "\r\n[Font]\r\nDateChar=" + huge + "\r\n[Needle]\r\nHLongLen=-100\r\n");
    TOptionItem o;
    WindowSettings w;
    ReadSettings(dir.File("Vistrel.Ini"), {dir.Path(), 800, true, {}}, o, w);
    EXPECT_EQ(w.Size, 50);
    EXPECT_EQ(ReadStyle(dir.File("Vistrel.Ini"), o), 0);
    EXPECT_EQ(o.DSPOrder[0], 0); // not a number: the default
    EXPECT_EQ(o.DateCharFont, huge);
    EXPECT_EQ(o.HLongLen, 0); // into its range
    ExpectDrawable(o);
}
