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
#include "clock/common/texts.h"

namespace vistrel {

// Positions in CommandNames.
enum CommandIndex : int {
    kCommandNone = 0,
    kCommandAdjustTime = 1,
    kCommandShutdown = 2,
    kCommandPowerOff = 3,
    kCommandRestart = 4,
};

inline constexpr std::array kCommandTexts = {Tx::CommandNone, Tx::CommandAdjustTime,
                                             Tx::CommandShutdown, Tx::CommandPowerOff,
                                             Tx::CommandRestart};
inline constexpr std::array kSoundTexts = {Tx::SoundNone,        Tx::SoundBeep,
                                           Tx::SoundError,       Tx::SoundWarning,
                                           Tx::SoundInformation, Tx::SoundQuestion};
inline constexpr std::array<std::string_view, 5> kBuiltInCommandNames = {
    BuiltInText(kCommandTexts[0]), BuiltInText(kCommandTexts[1]), BuiltInText(kCommandTexts[2]),
    BuiltInText(kCommandTexts[3]), BuiltInText(kCommandTexts[4]),
};
inline constexpr std::array<std::string_view, 6> kBuiltInSoundNames = {
    BuiltInText(kSoundTexts[0]), BuiltInText(kSoundTexts[1]), BuiltInText(kSoundTexts[2]),
    BuiltInText(kSoundTexts[3]), BuiltInText(kSoundTexts[4]), BuiltInText(kSoundTexts[5]),
};
inline constexpr std::string_view kBuiltInAlarmTimeFormat = BuiltInText(Tx::AlarmTimeFormat);
inline constexpr std::string_view kBuiltInAlarmDateTimeFormat =
    BuiltInText(Tx::AlarmDateTimeFormat);

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
