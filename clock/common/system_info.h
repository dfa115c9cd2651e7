// What the operating system offers: its family and version, the dial-up library, the user's
// name and the screen's colour depth.
#pragma once

#include <string>

namespace vistrel {

bool IsWindows95();  // the 9x family, version 4.0 exactly
bool IsWindowsNT5(); // the NT family, major version 5 (2000, XP)
bool IsWindowsNT();  // the NT family

// True when "rasapi32.dll" loads and exports "RasEnumConnectionsA"; the library is freed again.
bool RasAvailable();

// The name of the logged-on user; "Vistrel" when the system cannot tell.
std::string CurrentUserName();

// Bits per pixel of the screen.
int ScreenColourDepth();

inline constexpr char kFallbackUserName[] = "Vistrel";

} // namespace vistrel
