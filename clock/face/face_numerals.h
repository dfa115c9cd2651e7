// The twelve dial numerals: their texts, which of them use the narrowed font, their colours
// and where their top left corners go. The platform measures the text; this file places it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "clock/face/face_colours.h"
#include "clock/face/face_metrics.h"

namespace vistrel {

struct TextExtent {
    int width = 0, height = 0;
};

// Measures a numeral in the pass's font, or in its narrowed form when `narrowed` is set.
using MeasureNumeral = std::function<TextExtent(const std::string& text, bool narrowed)>;

struct NumeralStyleValues {
    bool show = false;  // MojiBan
    bool all = false;   // all twelve, else only 3, 6, 9 and 12
    int type = 0;       // 0 decimal, 1 Roman, 2 circled, 3 twenty-four hours; held in 0..3
    bool pitch = false; // narrow the two-character numerals
    bool shadow = false;
    bool gradation = false; // Guradeshon and a screen of at least 16 bits per pixel
    Colour first = 0, last = 0, shadow_first = 0, shadow_last = 0;
    int hour = 0; // 0..23, for the twenty-four hour set
};

// The text of numeral n (1..12) of a set at an hour.
std::string NumeralText(int type, int n, int hour);

struct NumeralPlacement {
    int number = 0;
    std::string text;
    bool narrowed = false;
    Point top_left; // at offset 0; the shadow goes shadow_offset further right and down
    Colour colour = 0;
    Colour shadow_colour = 0;
};

struct NumeralLayout {
    bool shadow = false;
    int shadow_offset = 0;
    std::vector<NumeralPlacement> numerals; // only the ones drawn, 1 to 12
};

NumeralLayout LayoutNumerals(const FaceMetrics& face, const NumeralStyleValues& v,
                             const MeasureNumeral& measure);

} // namespace vistrel
