// The clock's pop-up menu, built from the one menu table. The numbered captions can be replaced
// by the language library before the menu is first built.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "clock/app/commands.h"
#include "clock/common/handles_win.h"
#include "clock/common/language.h"

namespace vistrel {

// The captions of the table's entries, the numbered ones replaceable by the language library.
struct MenuTexts {
    std::array<std::string, 21> numbered{}; // by the library's number; index 0 is unused
    MenuTexts();
    // The replacements InitVocabulary applies from the language library.
    std::vector<TextReplacement> Replacements();
    std::string CaptionOf(const MenuEntry& entry) const;
};

// The menu with every entry enabled and checked as the facts say.
UniqueMenu BuildPopupMenu(const MenuTexts& texts, const CommandFacts& facts);

} // namespace vistrel
