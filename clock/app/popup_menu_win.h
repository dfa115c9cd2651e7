// The clock's pop-up menu, built from the one menu table. The numbered captions can be replaced
// by the language library before the menu is first built.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "clock/app/commands.h"
#include "clock/common/handles_win.h"
#include "clock/common/language.h"

namespace vistrel {

// The captions of the table's entries, as the language library has them.
struct MenuTexts {
    std::map<Tx, std::string> captions;
    MenuTexts();
    // The replacements InitVocabulary applies from the language library.
    std::vector<TextReplacement> Replacements();
    std::string CaptionOf(const MenuEntry& entry) const;
};

// The menu with every entry enabled and checked as the facts say.
UniqueMenu BuildPopupMenu(const MenuTexts& texts, const CommandFacts& facts);

} // namespace vistrel
