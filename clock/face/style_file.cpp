#include "clock/face/style_file.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "clock/settings/value_ranges.h"

namespace vistrel {

namespace {

using O = TOptionItem;

// One style key and the record field it fills. The table lists the keys in the order they are
// written and read, so reading and writing can never disagree about a key.
struct StyleKey {
    enum class Type { Bool, Int, Color, Text, Layer, HandStyle };
    const char* section;
    const char* key;
    Type type;
    bool O::*flag = nullptr;
    int O::*number = nullptr;
    std::string O::*text = nullptr;
    int layer = 0;
};

StyleKey Flag(const char* s, const char* k, bool O::*f) {
    return {s, k, StyleKey::Type::Bool, f, nullptr, nullptr, 0};
}
StyleKey Number(const char* s, const char* k, int O::*f) {
    return {s, k, StyleKey::Type::Int, nullptr, f, nullptr, 0};
}
StyleKey Colour(const char* k, int O::*f) {
    return {"Color", k, StyleKey::Type::Color, nullptr, f, nullptr, 0};
}
StyleKey Text(const char* k, std::string O::*f) {
    return {"Font", k, StyleKey::Type::Text, nullptr, nullptr, f, 0};
}
StyleKey Layer(const char* k, int n) {
    return {"Common", k, StyleKey::Type::Layer, nullptr, nullptr, nullptr, n};
}
// The minute and second hand styles, whose default is the hand style read just before them.
StyleKey HandStyle(const char* k, int O::*f) {
    return {"Needle", k, StyleKey::Type::HandStyle, nullptr, f, nullptr, 0};
}

const std::vector<StyleKey>& StyleKeys() {
    static const std::vector<StyleKey> keys = {
        Layer("DSPOrder_0", 0),
        Layer("DSPOrder_1", 1),
        Layer("DSPOrder_2", 2),
        Layer("DSPOrder_3", 3),
        Layer("DSPOrder_4", 4),
        Layer("DSPOrder_5", 5),
        Layer("DSPOrder_6", 6),
        Colour("ColorH", &O::ColorH),
        Colour("ColorM", &O::ColorM),
        Colour("ColorS", &O::ColorS),
        Colour("ColorHF", &O::ColorHF),
        Colour("ColorMF", &O::ColorMF),
        Colour("ColorSF", &O::ColorSF),
        Colour("Color5", &O::Color5),
        Colour("ColorT", &O::ColorT),
        Colour("Color52", &O::Color52),
        Colour("ColorT2", &O::ColorT2),
        Colour("ColorD", &O::ColorD),
        Colour("ColorDS", &O::ColorDS),
        Colour("ColorB1", &O::ColorB1),
        Colour("ColorB2", &O::ColorB2),
        Colour("ColorBS1", &O::ColorBS1),
        Colour("ColorBS2", &O::ColorBS2),
        Colour("ColorFrame", &O::ColorFrame),
        Colour("ColorFrameE", &O::ColorFrameE),
        Colour("ColorTime", &O::ColorTime),
        Colour("ColorTimeS", &O::ColorTimeS),
        Colour("ColorThickChange", &O::ColorThickChange),
        Flag("Thick", "MajorThick", &O::MajorThick),
        Flag("Thick", "MinorThick", &O::MinorThick),
        Number("Thick", "ThickPos", &O::ThickPos),
        Number("Thick", "Thick5Size", &O::Thick5Size),
        Number("Thick", "ThickSize", &O::ThickSize),
        Number("Thick", "Style", &O::ThickStyle),
        Flag("Thick", "Guradeshon", &O::ThickGuradeshon),
        Flag("Common", "DateChar", &O::DateChar),
        Flag("Common", "TimeChar", &O::TimeChar),
        Flag("Common", "MojiBan", &O::MojiBan),
        Flag("Common", "MojiBanAll", &O::MojiBanAll),
        Number("Common", "MojiBanPos", &O::MojiBanPos),
        Flag("Common", "Guradeshon", &O::MojiBanGuradeshon),
        Flag("Common", "MojiBanShadow", &O::MojiBanShadow),
        Number("Common", "MojiBanType", &O::MojiBanType),
        Number("Common", "DateCharPos", &O::DateCharPos),
        Number("Common", "DateCharInOut", &O::DateCharInOut),
        Flag("Common", "DateCharShadow", &O::DateCharShadow),
        Text("DateChar", &O::DateCharFont),
        Flag("Font", "DateCharBold", &O::DateCharBold),
        Flag("Font", "DateCharItalic", &O::DateCharItalic),
        Number("Font", "DateSize", &O::DateSize),
        Text("MojiBan", &O::MojiBanFont),
        Flag("Font", "MojiBanBold", &O::MojiBanBold),
        Flag("Font", "MojiBanItalic", &O::MojiBanItalic),
        Flag("Font", "MojiBanPitch", &O::MojiBanPitch),
        Number("Font", "MojiBanPitchWidth", &O::MojiBanPitchWidth),
        Number("Font", "MojiSize", &O::MojiSize),
        Number("Needle", "HNeedleW", &O::HNeedleW),
        Number("Needle", "MNeedleW", &O::MNeedleW),
        Number("Needle", "SNeedleW", &O::SNeedleW),
        Number("Needle", "HLongLen", &O::HLongLen),
        Number("Needle", "MLongLen", &O::MLongLen),
        Number("Needle", "SLongLen", &O::SLongLen),
        Number("Needle", "HShortLen", &O::HShortLen),
        Number("Needle", "MShortLen", &O::MShortLen),
        Number("Needle", "SShortLen", &O::SShortLen),
        Flag("Needle", "SepStyle", &O::SepStyle),
        Number("Needle", "Style", &O::NeedleStyle),
        HandStyle("MStyle", &O::MStyle),
        HandStyle("SStyle", &O::SStyle),
        Flag("Frame", "Frame", &O::FrameShow),
        Number("Frame", "Style", &O::FrameStyle),
        Number("Frame", "Pos", &O::FramePos),
        Number("Frame", "Width", &O::FrameWidth),
        Number("Common", "TimeCharPos", &O::TimeCharPos),
        Number("Common", "TimeCharInOut", &O::TimeCharInOut),
        Flag("Common", "TimeCharShadow", &O::TimeCharShadow),
        Text("TimeChar", &O::TimeCharFont),
        Flag("Font", "TimeCharBold", &O::TimeCharBold),
        Flag("Font", "TimeCharItalic", &O::TimeCharItalic),
        Number("Font", "TimeSize", &O::TimeSize),
    };
    return keys;
}

// A layer code is one byte; a number that does not fit becomes 255, which like every code
// beyond 6 draws nothing (plain truncation could turn 259 into the numerals).
std::uint8_t LayerByte(int value) {
    return value >= 0 && value <= UINT8_MAX ? static_cast<std::uint8_t>(value) : UINT8_MAX;
}

int ClampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

void ReadKey(const IniFile& ini, const StyleKey& k, TOptionItem& o) {
    static const TOptionItem d;
    switch (k.type) {
    case StyleKey::Type::Bool: o.*k.flag = ini.ReadBool(k.section, k.key, d.*k.flag); break;
    case StyleKey::Type::Int: o.*k.number = ini.ReadInteger(k.section, k.key, d.*k.number); break;
    case StyleKey::Type::Color: o.*k.number = ini.ReadColor(k.section, k.key, d.*k.number); break;
    case StyleKey::Type::Text: o.*k.text = ini.ReadString(k.section, k.key, d.*k.text); break;
    case StyleKey::Type::Layer:
        o.DSPOrder[static_cast<std::size_t>(k.layer)] =
            LayerByte(ini.ReadInteger(k.section, k.key, k.layer));
        break;
    case StyleKey::Type::HandStyle:
        o.*k.number = ini.ReadInteger(k.section, k.key, o.NeedleStyle);
        break;
    }
}

void WriteKey(IniFile& ini, const StyleKey& k, const TOptionItem& o) {
    switch (k.type) {
    case StyleKey::Type::Bool: ini.WriteBool(k.section, k.key, o.*k.flag); break;
    case StyleKey::Type::Int:
    case StyleKey::Type::Color:
    case StyleKey::Type::HandStyle: ini.WriteInteger(k.section, k.key, o.*k.number); break;
    case StyleKey::Type::Text: ini.WriteString(k.section, k.key, o.*k.text); break;
    case StyleKey::Type::Layer:
        ini.WriteInteger(k.section, k.key, o.DSPOrder[static_cast<std::size_t>(k.layer)]);
        break;
    }
}

// Old styles measured tick sizes from a smaller base and hand widths in tenths of today's unit.
// Defaulted values are converted too: an old file without the key meant the old default.
void ConvertOldUnits(TOptionItem& o) {
    constexpr int kTickOffset = 35;
    constexpr int kWidthFactor = 10;
    o.ThickSize = ClampToInt(static_cast<long long>(o.ThickSize) + kTickOffset);
    o.Thick5Size = ClampToInt(static_cast<long long>(o.Thick5Size) + kTickOffset);
    for (int O::*w : {&O::HNeedleW, &O::MNeedleW, &O::SNeedleW}) {
        o.*w = ClampToInt(static_cast<long long>(o.*w) * kWidthFactor);
    }
}

} // namespace

int ReadStyle(const IniFile& ini, TOptionItem& option, int running_ver) {
    const int style_ver = ini.ReadInteger("Common", "StyleVer", running_ver);
    for (const auto& k : StyleKeys()) ReadKey(ini, k, option);
    if (style_ver < kFirstCurrentUnitsVersion) ConvertOldUnits(option);
    ClampToRanges(option);
    return style_ver > kStyleVersion ? style_ver : 0;
}

int ReadStyle(const std::string& path, TOptionItem& option, int running_ver) {
    return ReadStyle(IniFile(path), option, running_ver);
}

void WriteStyle(IniFile& ini, const TOptionItem& option) {
    ini.WriteInteger("Common", "StyleVer", kStyleVersion);
    for (const auto& k : StyleKeys()) WriteKey(ini, k, option);
}

void WriteStyle(const std::string& path, const TOptionItem& option) {
    IniFile ini(path);
    WriteStyle(ini, option);
    ini.UpdateFile();
}

} // namespace vistrel
