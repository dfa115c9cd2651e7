// The clock-face style in INI form: the style part of "Vistrel.Ini" and the ".vsy" style files.
// Both hold the same keys; in "Vistrel.Ini" they share the [Common] and [Thick] sections with
// program settings, which a style write leaves alone.
#pragma once

#include <string>

#include "clock/settings/ini_file.h"
#include "clock/settings/option_item.h"

namespace vistrel {

// The style layout this program writes ("StyleVer").
inline constexpr int kStyleVersion = 210;
// Styles older than this store tick sizes and hand widths in the old, smaller units.
inline constexpr int kFirstCurrentUnitsVersion = 75;

// Reads every style key into the style fields of option; keys that are missing or do not
// convert give the defaults, and a file that cannot be read gives the defaults throughout.
// A style without "StyleVer" counts as written by running_ver (the settings' "Ver").
// Returns the file's StyleVer when it is newer than this program writes (the caller warns that
// the style may not show as meant), else 0. Never throws for the file's content; the caller
// repaints the face afterwards.
int ReadStyle(const std::string& path, TOptionItem& option, int running_ver = 202);
int ReadStyle(const IniFile& ini, TOptionItem& option, int running_ver = 202);

// Writes every style key of option, in the order that lays out a fresh file as
// [Common], [Color], [Thick], [Font], [Needle], [Frame]. Other keys of the file stay, and an
// unchanged style leaves the file's bytes as they were. Throws Error naming the file when it
// cannot be saved.
void WriteStyle(const std::string& path, const TOptionItem& option);
void WriteStyle(IniFile& ini, const TOptionItem& option);

} // namespace vistrel
