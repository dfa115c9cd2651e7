#include "clock/options/option_face_lists.h"

#include <algorithm>

#include "clock/common/texts.h"
#include "clock/face/face_texts.h"

namespace vistrel {

bool ListedFont(const EnumeratedFont& font) {
    return font.true_type && !font.name.starts_with('@') &&
           (font.charset == kAnsiCharset || font.charset == kShiftJisCharset);
}

std::vector<std::string> FontList(std::span<const EnumeratedFont> fonts) {
    std::vector<std::string> names;
    for (const EnumeratedFont& font : fonts) {
        if (!ListedFont(font)) continue;
        if (std::find(names.begin(), names.end(), font.name) == names.end())
            names.push_back(font.name);
    }
    return names;
}

std::array<std::string, 6> WeekTypeEntries(TDateTime today) {
    std::array<std::string, 6> entries{std::string(BuiltInText(Tx::OptWeekdayNone))};
    const int day = DayOfWeek(today);
    for (int style = 1; style <= 5; ++style)
        entries[static_cast<std::size_t>(style)] = WeekdayName(style, day);
    return entries;
}

} // namespace vistrel
