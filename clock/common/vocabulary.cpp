#include "clock/common/vocabulary.h"

#include <algorithm>

namespace vistrel {

std::vector<std::string> CommandNames;
std::vector<std::string> SoundNames;
std::string AlarmTimeFormat{kBuiltInAlarmTimeFormat};
std::string AlarmDateTimeFormat{kBuiltInAlarmDateTimeFormat};
bool WeekdayAfterDate = true;

namespace {

template <std::size_t N>
std::vector<std::string> ToList(const std::array<std::string_view, N>& names) {
    return {names.begin(), names.end()};
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

bool WeekdayFlagFromText(std::string_view text, bool current) {
    std::string_view digits = Trim(text);
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), is_digit)) return current;
    // Judged by its digits, so that a number too long for any integer type still counts.
    return digits.find_first_not_of('0') != std::string_view::npos;
}

void InitVocabulary(std::span<const TextReplacement> window_texts) {
    WeekdayAfterDate = true;
    AlarmTimeFormat = kBuiltInAlarmTimeFormat;
    AlarmDateTimeFormat = kBuiltInAlarmDateTimeFormat;
    SoundNames = ToList(kBuiltInSoundNames);
    CommandNames = ToList(kBuiltInCommandNames);

    std::vector<TextReplacement> table(window_texts.begin(), window_texts.end());
    table.push_back({NumberOf(Tx::WeekdayAfterDateFlag), [](const std::string& text) {
                         WeekdayAfterDate = WeekdayFlagFromText(text, WeekdayAfterDate);
                     }});
    for (std::size_t i = 0; i < CommandNames.size(); ++i) {
        table.push_back(ReplaceInto(kCommandTexts[i], CommandNames[i]));
    }
    for (std::size_t i = 0; i < SoundNames.size(); ++i) {
        table.push_back(ReplaceInto(kSoundTexts[i], SoundNames[i]));
    }
    table.push_back(ReplaceInto(Tx::AlarmTimeFormat, AlarmTimeFormat));
    table.push_back(ReplaceInto(Tx::AlarmDateTimeFormat, AlarmDateTimeFormat));
    ApplyLanguage(table);
}

} // namespace vistrel
