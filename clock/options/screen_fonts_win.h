// The faces of the screen that the face pages' three font boxes offer.
#pragma once

#include <string>
#include <vector>

namespace vistrel {

// Enumerates the screen's fonts (every face and character set it reports) and keeps what
// FontList keeps, in the order the system reports them. The dialog asks once, as it is created.
std::vector<std::string> ScreenFontList();

} // namespace vistrel
