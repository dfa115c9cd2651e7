#include "clock/face/face_numerals.h"

#include <array>

namespace vistrel {

namespace {

constexpr std::array<const char*, 12> kRomanNumerals = {"Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ", "Ⅴ",  "Ⅵ",
                                                        "Ⅶ", "Ⅷ", "Ⅸ", "Ⅹ", "ⅩⅠ", "ⅩⅡ"};
constexpr std::array<const char*, 12> kCircledNumerals = {"①", "②", "③", "④", "⑤", "⑥",
                                                          "⑦", "⑧", "⑨", "⑩", "⑪", "⑫"};

std::size_t CharacterCount(const std::string& utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace

std::string NumeralText(int type, int n, int hour) {
    n = ClampTo(n, 1, 12);
    switch (ClampTo(type, 0, 3)) {
    case 1: return kRomanNumerals[n - 1];
    case 2: return kCircledNumerals[n - 1];
    case 3: return std::to_string(hour >= 1 && hour <= 12 ? n : n + 12);
    default: return std::to_string(n);
    }
}

NumeralLayout LayoutNumerals(const FaceMetrics& face, const NumeralStyleValues& v,
                             const MeasureNumeral& measure) {
    NumeralLayout layout;
    layout.shadow = v.shadow;
    layout.shadow_offset = face.shadow_offset;
    if (!v.show || !measure) return layout;
    const int type = ClampTo(v.type, 0, 3);
    const Colour last = v.gradation ? v.last : v.first;
    const Colour shadow_last = v.gradation ? v.shadow_last : v.shadow_first;
    // Once the first two-character numeral switches to the narrow font, the rest of the
    // pass keeps it; the circled set is one character throughout.
    bool narrowed = false;
    for (int n = 1; n <= 12; ++n) {
        std::string text = NumeralText(type, n, v.hour);
        if (v.pitch && type != 2 && CharacterCount(text) >= 2) narrowed = true;
        const TextExtent e = measure(text, narrowed);
        if (n % 3 != 0 && !v.all) continue;
        const int r = face.numeral_ring - NearestRatio(e.height, 2);
        const Point at = PolarPoint(30 * n, r, face.centre);
        NumeralPlacement p;
        p.number = n;
        p.text = std::move(text);
        p.narrowed = narrowed;
        p.top_left = {at.x - NearestRatio(e.width, 2), at.y - NearestRatio(e.height, 2)};
        p.colour = GradationColour(v.first, last, n, 12);
        p.shadow_colour = GradationColour(v.shadow_first, shadow_last, n, 12);
        layout.numerals.push_back(std::move(p));
    }
    return layout;
}

} // namespace vistrel
