// The faces of the screen that the face pages' three font boxes offer.
#pragma once

#include <string>
#include <vector>

#include "clock/options/option_page_setup_win.h"

namespace vistrel {

// Enumerates the screen's fonts (every face and character set it reports) and keeps what
// FontList keeps, in the order the system reports them. The dialog asks once, as it is created.
std::vector<std::string> ScreenFontList();

// The entries of the three font boxes (numerals, date, time): the same list in each.
RuntimeLists FontBoxEntries(const std::vector<std::string>& fonts);

} // namespace vistrel
