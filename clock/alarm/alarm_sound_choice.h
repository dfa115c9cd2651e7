// What an alarm's sound text asks for: nothing, one of the system's beeps, or a media file.
#pragma once

#include <string>

namespace vistrel {

struct SoundChoice {
    enum class Kind { None, Beep, File };
    Kind kind = Kind::None;
    unsigned beep_type = 0; // the MessageBeep type of a beep
};

// Compares the text with the current SoundNames: entry 0 (or an empty text) is silence, entries
// 1..5 are the system's beeps; any other text is a media file's path.
SoundChoice ChooseSound(const std::string& text);

} // namespace vistrel
