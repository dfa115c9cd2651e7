// The style picker's rules that need no window: the newer-version message and the folder texts.
#pragma once

#include <string>

namespace vistrel {

// A style version (StyleVer) as a version number in its shortest decimal form: 211 gives
// "2.11", 220 gives "2.2", 300 gives "3".
std::string StyleVersionText(int style_ver);

// What the picker says after loading a style written by a newer version.
std::string NewerStyleMessage(int style_ver);

// A chosen folder as the picker keeps it: always ending in "\".
std::string FolderWithSeparator(const std::string& folder);

// The folder the folder browser starts on: without its final "\" when longer than 3 characters,
// so that a drive root such as "C:\" keeps it.
std::string BrowserSelection(const std::string& folder);

} // namespace vistrel
