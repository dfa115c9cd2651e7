// The one set-up of an options page's window after it is created from its template. The
// templates carry no text that the options' text table holds: the code puts in every caption
// and list entry (built in or from the language library), the ranges of the track bars and spin
// edits from the page's bindings, and makes the colour buttons.
#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <string>
#include <vector>

#include "clock/options/option_bindings.h"
#include "clock/options/option_texts.h"

namespace vistrel {

// List entries known only at run time (the screen's fonts, the server list), by control; they
// follow any entries the text table gives the list.
using RuntimeLists = std::map<int, std::vector<std::string>>;

// Captions and list entries of the controls that `window` holds. A list box's entries carry
// their index as item data (the layer list: the layer code).
void SetControlTexts(HWND window, const OptionTexts& texts, const RuntimeLists& lists);

// Ranges and colour buttons from a page's bindings: track bars (without the selection-range
// style), spin edits, colour buttons.
void SetUpBoundControls(HWND window, std::span<const Bound> bindings);

// Both, for page `page` of the options dialog.
void SetUpOptionPage(HWND page_window, int page, const OptionTexts& texts,
                     const RuntimeLists& lists);

} // namespace vistrel
