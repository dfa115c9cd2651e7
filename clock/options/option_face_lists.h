// The lists of the face pages that depend on the machine and the day: the installed fonts and
// today's weekday names.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "clock/common/date_time.h"

namespace vistrel {

// A face as the font enumeration reports it.
struct EnumeratedFont {
    std::string name;
    bool true_type = false;
    int charset = 0;
};

inline constexpr int kAnsiCharset = 0;
inline constexpr int kShiftJisCharset = 128;

// TrueType, not a vertical ("@") face, and ANSI or Shift-JIS.
bool ListedFont(const EnumeratedFont& font);

// The font list of the three font boxes, in enumeration order. The enumeration reports a face
// once for each of its character sets: a face is listed once, where it first qualifies.
std::vector<std::string> FontList(std::span<const EnumeratedFont> fonts);

// The entries of the weekday box: "none", then the weekday of `today` in the five name styles.
std::array<std::string, 6> WeekTypeEntries(TDateTime today);

// Gradations need more than 15 bits per pixel.
inline bool IsDeepColour(int bits_per_pixel) { return bits_per_pixel > 15; }

} // namespace vistrel
