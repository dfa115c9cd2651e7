// Where the settings and alarm files lie, and the reading and writing of the program settings.
// These functions only move values between the files and the record: placing the window, making
// it layered or topmost and running the lock command are left to the window that owns them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "clock/common/file_io.h"
#include "clock/common/geometry.h"
#include "clock/common/placement.h"
#include "clock/settings/ini_file.h"
#include "clock/settings/option_item.h"

namespace vistrel {

inline constexpr const char* kSharedSettingsName = "Vistrel.Ini";
inline constexpr const char* kSharedAlarmName = "Default.CSV";
// The settings layout this program writes; older files are read and then raised to it.
inline constexpr int kSettingsVersion = 202;
inline constexpr int kMinimumClockSize = 50;

// The shared settings file, program_folder + "Vistrel.Ini" (program_folder ends in a separator).
std::string SharedSettingsPath(const std::string& program_folder);

// Per-user files when multi_user is on and ver is at least 202: user_name + ".Ini" and
// user_name + ".CSV"; otherwise "Vistrel.Ini" and "Default.CSV". All in the program folder.
std::string SettingsFileName(const std::string& program_folder, const std::string& user_name,
                             bool multi_user, int ver);
std::string AlarmFilePath(const std::string& program_folder, const std::string& user_name,
                          bool multi_user, int ver);

// The default data folders, program_folder + "alarm" / "style" with a trailing separator.
std::string DefaultAlarmFolder(const std::string& program_folder);
std::string DefaultStyleFolder(const std::string& program_folder);

// Reads "MultiUser" into the record and "Ver" into the window settings from the shared file.
// When the file exists but cannot be read, the defaults stay and the returned text (Japanese,
// naming the file and saying what happens) is to be shown; empty otherwise.
std::string ReadSharedSettings(const std::string& shared_path, TOptionItem& option,
                               WindowSettings& window);

// What the platform tells ReadSettings.
struct SettingsEnvironment {
    std::string program_folder;    // with a trailing separator
    int screen_width = 0;          // for the default position at the top-right corner
    bool layered_available = true; // translucency needs layered windows
    // The monitors, the primary first. A stored size beyond the virtual screen's smaller side
    // is brought back to it; a place whose centre lies on no monitor (its monitor is gone)
    // comes back fully visible within the work area of the nearest one. Empty: nothing is
    // checked.
    std::vector<Monitor> monitors; // in virtual-screen pixels
    int dpi = 96;                  // the primary monitor's: the stored size is in 96-DPI pixels
};

// The window's size and place kept within what the monitors can show (see SettingsEnvironment).
void KeepOnScreens(const SettingsEnvironment& env, WindowSettings& window);

// Reads the program settings from the file at path (per user or shared, see SettingsFileName).
// window.Ver must already hold the shared file's version: older layouts are converted by it.
// Missing keys, or text that does not convert, give the defaults; nothing is reported. A file
// that exists but cannot be read gives the defaults and the returned text to show (as above).
// The caller then applies what takes effect at once: the window's place and size, layering with
// option.Trans when option.UseTrans, topmost when window.StayOnTop, and the lock command (which
// sets option.Locked) when window.Lock. Every measure comes back within the range the options
// dialog offers (value_ranges); the file is not touched.
std::string ReadSettings(const std::string& path, const SettingsEnvironment& env,
                         TOptionItem& option, WindowSettings& window);
std::string ReadSettings(const IniFile& ini, const SettingsEnvironment& env, TOptionItem& option,
                         WindowSettings& window);

// A window position in screen pixels.
using WindowPoint = Point;

// Writes "MultiUser", "Ver" and the style to the shared file and the program settings to the
// settings file (the shared one too, unless per-user). Each file's new contents are built in
// memory and replace it in one step: the shared file first, then the per-user one. While the window
// has escaped from the cursor, pass its home position as escaped_home: that is saved instead of
// window.PointX/PointY, so that the next start does not begin at a spot the window only fled to. A
// file in unread (one that could not be read at start-up) is left as it is; when that is the shared
// file, the style in it is not written either. Throws Error naming the file that could not be
// written; what follows it is not written.
void WriteSettings(const std::string& program_folder, const std::string& user_name,
                   const TOptionItem& option, const WindowSettings& window,
                   std::optional<WindowPoint> escaped_home = std::nullopt,
                   const UnreadFiles& unread = {});

// Removes what a save that was killed left of the program's own files (their temporary files,
// SaveTemporaryPath); nothing else is touched. Run at start, before anything is read.
void RemoveLeftoverSaves(const std::string& program_folder, const std::string& user_name);

// The version to hold after start-up: files of older layouts are rewritten in this one.
inline int RaisedSettingsVersion(int ver) {
    return ver < kSettingsVersion ? kSettingsVersion : ver;
}

} // namespace vistrel
