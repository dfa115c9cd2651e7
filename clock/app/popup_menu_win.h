// The clock's pop-up menu. Captions live in one table (numbered as the language library numbers
// them) so that the library can replace them before the menu is first built.
#pragma once

#include <windows.h>

#include <array>
#include <span>
#include <string>
#include <vector>

#include "clock/common/handles_win.h"
#include "clock/common/language.h"

namespace vistrel {

enum MenuCommand : UINT {
    kCmdTop = 100,
    kCmdLock,
    kCmdMinimize,
    kCmdSetTime,
    kCmdStopSound,
    kCmdExit,
    kCmdMoveTopRight, // the five moves in the order of their tags 1..5
    kCmdMoveBottomRight,
    kCmdMoveTopLeft,
    kCmdMoveBottomLeft,
    kCmdMoveCenter,
};

// Captions by their language-library number (1..20); index 0 is unused.
struct MenuTexts {
    std::array<std::string, 21> caption{};
    MenuTexts();
    // The replacements InitVocabulary applies from the language library.
    std::vector<TextReplacement> Replacements();
};

struct MenuState {
    bool stay_on_top = true;
    bool locked = false;
    bool set_time_enabled = false;
    bool stop_sound_enabled = false;
};

UniqueMenu BuildPopupMenu(const MenuTexts& texts, const MenuState& state);

// Where a move command puts a window of size z within the work area (left, top, right, bottom).
struct MovePlace {
    int left = 0, top = 0;
};
MovePlace PlaceForMove(UINT command, const RECT& work_area, int z);

} // namespace vistrel
