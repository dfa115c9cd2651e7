// A window's text (a caption, an edit's or a combo box's contents) in UTF-8.
#pragma once

#include <windows.h>

#include <string>

namespace vistrel {

std::string WindowTextOf(HWND hwnd);

} // namespace vistrel
