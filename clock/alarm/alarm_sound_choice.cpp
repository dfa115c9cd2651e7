#include "clock/alarm/alarm_sound_choice.h"

#include <array>
#include <cstddef>

#include "clock/common/vocabulary.h"

namespace vistrel {

namespace {
// MB_OK, MB_ICONHAND, MB_ICONEXCLAMATION, MB_ICONASTERISK, MB_ICONQUESTION: the beeps of
// SoundNames entries 1 to 5.
constexpr std::array<unsigned, 5> kBeepTypes = {0x00, 0x10, 0x30, 0x40, 0x20};
} // namespace

SoundChoice ChooseSound(const std::string& text) {
    if (text.empty()) return {};
    // The built-in "no sound" stays silent under a language library too: alarm files written
    // before it was put in place hold that name, which is no file to play.
    if (text == kBuiltInSoundNames[0]) return {};
    if (!SoundNames.empty() && text == SoundNames[0]) return {};
    for (std::size_t i = 1; i < SoundNames.size() && i <= kBeepTypes.size(); ++i) {
        if (text == SoundNames[i]) return {SoundChoice::Kind::Beep, kBeepTypes[i - 1]};
    }
    return {SoundChoice::Kind::File, 0};
}

} // namespace vistrel
