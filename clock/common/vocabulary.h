// The process-wide names of the built-in alarm actions and sounds, the two alarm display
// formats and the date text's weekday flag. The built-in texts are Japanese; the language
// library may replace them when the main window is created.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "clock/common/language.h"

namespace vistrel {

// Positions in CommandNames.
enum CommandIndex : int {
    kCommandNone = 0,
    kCommandAdjustTime = 1,
    kCommandShutdown = 2,
    kCommandPowerOff = 3,
    kCommandRestart = 4,
};

inline constexpr std::array<std::string_view, 5> kBuiltInCommandNames = {
    "(なし)", "時間合わせを実行", "Windowsを終了", "Windowsを終了後、電源を切る", "Windowsを再起動",
};
inline constexpr std::array<std::string_view, 6> kBuiltInSoundNames = {
    "(なし)",           "一般の警告音",     "システムエラー",
    "メッセージ(警告)", "メッセージ(情報)", "メッセージ(問い合わせ)",
};
inline constexpr std::string_view kBuiltInAlarmTimeFormat = "hh\"時\" nn\"分\"";
inline constexpr std::string_view kBuiltInAlarmDateTimeFormat = "ddddd hh\"時\" nn\"分\"";

// The five action names (kCommandNone ... kCommandRestart) and the six sound names.
extern std::vector<std::string> CommandNames;
extern std::vector<std::string> SoundNames;
// How an alarm's time is shown: time of day alone, and date with time of day.
extern std::string AlarmTimeFormat;
extern std::string AlarmDateTimeFormat;
// The date text shows the weekday after the date (true) or in front of it (false).
extern bool WeekdayAfterDate;

// Fills the lists and formats with the built-in texts, then lets the language library replace
// them, together with the main window's own texts (its menu captions) given in
// window_texts. Running it again starts from the built-in texts again.
void InitVocabulary(std::span<const TextReplacement> window_texts = {});

// The weekday flag from the library's text: a decimal integer (optional sign, surrounding
// spaces allowed), non-zero meaning true. Any other text keeps the current value.
bool WeekdayFlagFromText(std::string_view text, bool current);

} // namespace vistrel
