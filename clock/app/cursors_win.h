// The cursor table: numbers 1 to 5 are the program's clock cursors, 10 and 11 the resize
// cursors; 0 and any other number is the system's arrow.
#pragma once

#include <windows.h>

namespace vistrel {

inline constexpr int kCursorSizeVertical = 10;
inline constexpr int kCursorSizeHorizontal = 11;

// Cursors loaded from the program's resources are shared and never destroyed.
HCURSOR CursorFor(int number);

} // namespace vistrel
