#include "clock/face/style_file.h"

#include <gtest/gtest.h>

#include "clock/face/style_limits.h"
#include "clock/settings/ini_file.h"
#include "support/scratch_folder.h"

using namespace vistrel;
using vistrel::test::ReadBytes;
using vistrel::test::ScratchFolder;
using vistrel::test::WriteBytes;

namespace {

IniFile Parsed(const std::string& bytes) { return IniFile("unused.vsy", bytes); }

// A record whose every style field differs from its default.
TOptionItem UnusualStyle() {
    TOptionItem o;
    o.DSPOrder = {6, 5, 4, 3, 2, 1, 0};
    int colour = -16777211; // a system colour first
    for (TColor TOptionItem::*c :
         {&TOptionItem::ColorH,    &TOptionItem::ColorM,     &TOptionItem::ColorS,
          &TOptionItem::ColorHF,   &TOptionItem::ColorMF,    &TOptionItem::ColorSF,
          &TOptionItem::Color5,    &TOptionItem::ColorT,     &TOptionItem::Color52,
          &TOptionItem::ColorT2,   &TOptionItem::ColorD,     &TOptionItem::ColorDS,
          &TOptionItem::ColorB1,   &TOptionItem::ColorB2,    &TOptionItem::ColorBS1,
          &TOptionItem::ColorBS2,  &TOptionItem::ColorFrame, &TOptionItem::ColorFrameE,
          &TOptionItem::ColorTime, &TOptionItem::ColorTimeS, &TOptionItem::ColorThickChange}) {
        o.*c = colour;
        colour += 1000003;
    }
    o.MajorThick = false, o.MinorThick = false, o.ThickPos = 60, o.Thick5Size = 50;
    o.ThickSize = 20, o.ThickStyle = 3, o.ThickGuradeshon = false;
    o.DateChar = false, o.TimeChar = true, o.MojiBan = false, o.MojiBanAll = false;
    o.MojiBanPos = 10, o.MojiBanGuradeshon = false, o.MojiBanShadow = false, o.MojiBanType = 2;
    o.DateCharPos = 3, o.DateCharInOut = 20, o.DateCharShadow = false;
    o.DateCharFont = "ＭＳ Ｐゴシック", o.DateCharBold = true, o.DateCharItalic = true;
    o.DateSize = 10, o.MojiBanFont = "Arial", o.MojiBanBold = true, o.MojiBanItalic = false;
    o.MojiBanPitch = false, o.MojiBanPitchWidth = 20, o.MojiSize = 0;
    o.HNeedleW = 1, o.MNeedleW = 2, o.SNeedleW = 3, o.HLongLen = 4, o.MLongLen = 5;
    o.SLongLen = 6, o.HShortLen = 7, o.MShortLen = 8, o.SShortLen = 9;
    o.SepStyle = true, o.NeedleStyle = 14, o.MStyle = 12, o.SStyle = 11;
    o.FrameShow = true, o.FrameStyle = 2, o.FramePos = 1, o.FrameWidth = 100;
    o.TimeCharPos = 2, o.TimeCharInOut = 0, o.TimeCharShadow = false;
    o.TimeCharFont = "ＭＳ ゴシック", o.TimeCharBold = true, o.TimeCharItalic = true;
    o.TimeSize = 0;
    return o;
}

} // namespace

TEST(StyleFile, EmptyOrMissingFileGivesExactlyTheDefaults) {
    ScratchFolder dir;
    for (const std::string& path : {dir.File("missing.vsy"), dir.File("empty.vsy")}) {
        if (path == dir.File("empty.vsy")) WriteBytes(path, "");
        TOptionItem o = UnusualStyle();
        o.Mode = 3; // a program setting: a style read leaves it alone
        EXPECT_EQ(ReadStyle(path, o), 0);
        TOptionItem expected;
        expected.Mode = 3;
        EXPECT_EQ(o, expected) << path;
    }
    // An unreadable "file" (a folder) reads the same way.
    TOptionItem o = UnusualStyle();
    EXPECT_EQ(ReadStyle(dir.Path(), o), 0);
    EXPECT_EQ(o, TOptionItem{});
}

TEST(StyleFile, OldStylesUseTheOldUnitsIncludingDefaultedValues) {
    TOptionItem o;
    ReadStyle(Parsed("[Common]\nStyleVer=74\n[Needle]\nHNeedleW=4\n[Thick]\nThickSize=1\n"), o);
    EXPECT_EQ(o.HNeedleW, 40);
    EXPECT_EQ(o.ThickSize, 36);
    EXPECT_EQ(o.Thick5Size, 72); // the default 37, in old units
    EXPECT_EQ(o.MNeedleW, 100);  // the default 31 in old units is 310: beyond the range

    ReadStyle(Parsed("[Common]\nStyleVer=75\n[Needle]\nHNeedleW=4\n[Thick]\nThickSize=1\n"), o);
    EXPECT_EQ(o.HNeedleW, 4);
    EXPECT_EQ(o.ThickSize, 1);
    EXPECT_EQ(o.Thick5Size, 37);

    // A style without a version counts as written by the running version.
    ReadStyle(Parsed("[Needle]\nHNeedleW=4\n"), o, /*running_ver=*/70);
    EXPECT_EQ(o.HNeedleW, 40);
    ReadStyle(Parsed("[Needle]\nHNeedleW=4\n"), o);
    EXPECT_EQ(o.HNeedleW, 4);

    // Converting hand-edited extremes saturates instead of overflowing, then comes into range.
    ReadStyle(Parsed("[Common]\nStyleVer=1\n[Needle]\nHNeedleW=2147483647\n"
                     "SNeedleW=-2147483648\n[Thick]\nThickSize=2147483647\n"),
              o);
    EXPECT_EQ(o.HNeedleW, 100);
    EXPECT_EQ(o.SNeedleW, 0);
    EXPECT_EQ(o.ThickSize, 100);
}

TEST(StyleFile, NewerStylesLoadInFullAndReportTheirVersion) {
    TOptionItem o;
    EXPECT_EQ(ReadStyle(Parsed("[Common]\nStyleVer=211\n[Color]\nColorH=5\n"), o), 211);
    EXPECT_EQ(o.ColorH, 5);
    EXPECT_EQ(ReadStyle(Parsed("[Common]\nStyleVer=210\n"), o), 0);
    EXPECT_EQ(ReadStyle(Parsed("[Common]\nStyleVer=junk\n"), o, 300), 300);
}

TEST(StyleFile, HandStylesDefaultToTheOneStyleJustRead) {
    TOptionItem o;
    ReadStyle(Parsed("[Needle]\nStyle=7\nSepStyle=1\n"), o);
    EXPECT_TRUE(o.SepStyle);
    EXPECT_EQ(o.NeedleStyle, 7);
    EXPECT_EQ(o.MStyle, 7);
    EXPECT_EQ(o.SStyle, 7);
    ReadStyle(Parsed("[Needle]\nStyle=7\nSStyle=2\n"), o);
    EXPECT_EQ(o.MStyle, 7);
    EXPECT_EQ(o.SStyle, 2);
}

TEST(StyleFile, LayerCodesAreBytesAndOversizedCodesDrawNothing) {
    TOptionItem o;
    ReadStyle(Parsed("[Common]\nDSPOrder_0=9\nDSPOrder_1=-1\nDSPOrder_2=259\nDSPOrder_3=255\n"
                     "DSPOrder_4=x\n"),
              o);
    EXPECT_EQ(o.DSPOrder[0], 9);
    EXPECT_EQ(o.DSPOrder[1], 255);
    EXPECT_EQ(o.DSPOrder[2], 255);
    EXPECT_EQ(o.DSPOrder[3], 255);
    EXPECT_EQ(o.DSPOrder[4], 4);
}

TEST(StyleFile, WriteThenReadReproducesEveryStyleFieldAndTheFileIsStable) {
    ScratchFolder dir;
    const std::string path = dir.File("mine.vsy");
    WriteBytes(path, "[Common]\r\nStyleVer=211\r\n");
    const TOptionItem style = UnusualStyle();
    WriteStyle(path, style);
    const std::string first = ReadBytes(path);
    WriteStyle(path, style);
    EXPECT_EQ(ReadBytes(path), first);

    TOptionItem back;
    EXPECT_EQ(ReadStyle(path, back), 0); // rewritten as 210
    EXPECT_EQ(back, style);
    EXPECT_EQ(IniFile(path).ReadInteger("Common", "StyleVer", 0), 210);
    // The Japanese font name is stored as Shift-JIS.
    EXPECT_NE(
        first.find("DateChar=\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\n"),
        std::string::npos);
}

TEST(StyleFile, AFreshFileHoldsTheSectionsInTheirOrder) {
    ScratchFolder dir;
    const std::string path = dir.File("fresh.vsy");
    WriteStyle(path, TOptionItem{});
    const std::string bytes = ReadBytes(path);
    std::vector<std::string> sections;
    for (std::size_t at = bytes.find('['); at != std::string::npos; at = bytes.find('[', at + 1)) {
        sections.push_back(bytes.substr(at, bytes.find(']', at) - at + 1));
    }
    EXPECT_EQ(sections, (std::vector<std::string>{"[Common]", "[Color]", "[Thick]", "[Font]",
                                                  "[Needle]", "[Frame]"}));
    EXPECT_EQ(bytes.rfind("[Common]\r\nStyleVer=210\r\nDSPOrder_0=0\r\n", 0), 0u);
    // The later [Common] keys join the first [Common] section, after its last key.
    EXPECT_NE(bytes.find("DateCharShadow=1\r\nTimeCharPos=0\r\nTimeCharInOut=8\r\n"
                         "TimeCharShadow=1\r\n[Color]"),
              std::string::npos);
    EXPECT_NE(bytes.find("[Frame]\r\nFrame=0\r\nStyle=0\r\nPos=99\r\nWidth=8\r\n"),
              std::string::npos);
}

TEST(StyleFile, WritingIntoTheSettingsFileLeavesTheSettingsKeysAlone) {
    ScratchFolder dir;
    const std::string path = dir.File("Vistrel.Ini");
    const std::string settings = "[Common]\r\nMultiUser=1\r\nVer=202\r\n  Size = 133 \r\n"
                                 "[Thick]\r\nColorChange=1\r\n";
    WriteBytes(path, settings);
    WriteStyle(path, UnusualStyle());
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.rfind("[Common]\r\nMultiUser=1\r\nVer=202\r\n  Size = 133 \r\nStyleVer=210", 0),
              0u)
        << bytes;
    EXPECT_NE(bytes.find("[Thick]\r\nColorChange=1\r\nMajorThick=0\r\n"), std::string::npos);
    TOptionItem o;
    ReadStyle(path, o);
    EXPECT_FALSE(o.ColorChange); // a program setting, not part of the style
}

TEST(StyleLimits, ClampsMeasuresButLeavesChoicesToThePainter) {
    TOptionItem o;
    o.DateSize = 17, o.TimeSize = -3, o.MojiSize = 15, o.MojiBanPitchWidth = 0;
    o.HLongLen = -50, o.SShortLen = 31, o.FramePos = 0, o.FrameWidth = 1000;
    o.Thick5Size = 72, o.HNeedleW = 450, o.MojiBanPos = 21;
    o.NeedleStyle = 99, o.FrameStyle = 7, o.DateCharPos = 9, o.DSPOrder[0] = 200;
    const TOptionItem c = ClampedForDrawing(o);
    EXPECT_EQ(c.DateSize, 10);
    EXPECT_EQ(c.TimeSize, 0);
    EXPECT_EQ(c.MojiSize, 10);
    EXPECT_EQ(c.MojiBanPitchWidth, 20);
    EXPECT_EQ(c.HLongLen, 0);
    EXPECT_EQ(c.SShortLen, 30);
    EXPECT_EQ(c.FramePos, 1);
    EXPECT_EQ(c.FrameWidth, 100);
    EXPECT_EQ(c.Thick5Size, 72);
    EXPECT_EQ(c.HNeedleW, 100);
    EXPECT_EQ(c.MojiBanPos, 20);
    EXPECT_EQ(c.NeedleStyle, 99);
    EXPECT_EQ(c.FrameStyle, 7);
    EXPECT_EQ(c.DateCharPos, 9);
    EXPECT_EQ(c.DSPOrder[0], 200);
    EXPECT_EQ(ClampedForDrawing(TOptionItem{}), TOptionItem{});
}
