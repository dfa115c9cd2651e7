#include "clock/settings/settings_file.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "clock/common/file_io.h"
#include "clock/face/style_file.h"
#include "clock/settings/ini_file.h"
#include "clock/settings/value_ranges.h"

namespace vistrel {

namespace {

constexpr const char* kCommon = "Common";
constexpr const char* kThick = "Thick";
constexpr const char* kAlarm = "Alarm";
constexpr const char* kNtp = "NTP";
constexpr const char* kLock = "Lock";
constexpr const char* kLook = "Look";

// Settings written before version 176 numbered the date formats without the one inserted at 3.
constexpr int kDateFormatInsertedVersion = 176;
constexpr int kFirstMovedDateFormat = 3;

// The system's file names ignore the case of letters: a user called "vistrel" shares the file.
bool SamePath(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

bool PerUser(bool multi_user, int ver) { return multi_user && ver >= kSettingsVersion; }

std::string ExistingFolderOr(const std::string& folder, const std::string& fallback) {
    return !folder.empty() && DirectoryExists(folder) ? folder : fallback;
}

void ReadPlacement(const IniFile& ini, const SettingsEnvironment& env, WindowSettings& window) {
    const WindowSettings d;
    window.Size = ini.ReadInteger(kCommon, "Size", d.Size);
    if (window.Size < kMinimumClockSize) window.Size = kMinimumClockSize;
    // Without a stored position the clock sits in the top-right corner of the screen.
    window.PointX =
        ini.ReadInteger(kCommon, "PointX", env.screen_width - Scale(window.Size, env.dpi));
    window.PointY = ini.ReadInteger(kCommon, "PointY", d.PointY);
    KeepOnScreens(env, window);
}

// Rect::Contains in wide arithmetic: a stored place plus half a size may lie beyond int.
bool Covers(const Rect& a, long long x, long long y) {
    return x >= a.left && y >= a.top && x < a.right && y < a.bottom;
}

// The text shown once when a settings file could not be read.
std::string UnreadSettingsText(const IniFile& ini) {
    return ini.LoadFailure() +
           "\r\n既定の設定で動きます。このファイルはそのまま残し、終了するときにも書き換えません。";
}

void ReadDisplay(const IniFile& ini, const SettingsEnvironment& env, TOptionItem& o,
                 WindowSettings& window) {
    const TOptionItem d;
    o.ShowTray = ini.ReadBool(kCommon, "ShowTray", d.ShowTray);
    // A stored translucency is dropped where the system has no layered windows, so that it is
    // also saved as off there.
    o.UseTrans = ini.ReadBool(kCommon, "UseTrans", d.UseTrans) && env.layered_available;
    o.Trans = ini.ReadInteger(kCommon, "Trans", d.Trans);
    o.DblClickAction = ini.ReadInteger(kCommon, "DblClickAction", d.DblClickAction);
    o.SNeedle = ini.ReadBool(kCommon, "SNeedle", d.SNeedle);
    o.ColorChange = ini.ReadBool(kThick, "ColorChange", d.ColorChange);
    o.DateCharForm = ini.ReadInteger(kCommon, "DateCharForm", d.DateCharForm);
    o.TimeCharForm = ini.ReadInteger(kCommon, "TimeCharForm", d.TimeCharForm);
    if (window.Ver < kDateFormatInsertedVersion && o.DateCharForm >= kFirstMovedDateFormat &&
        o.DateCharForm < INT_MAX) {
        ++o.DateCharForm;
    }
    o.WeekType = ini.ReadInteger(kCommon, "WeekType", d.WeekType);
    window.StayOnTop = ini.ReadBool(kCommon, "StayOnTop", WindowSettings{}.StayOnTop);
    o.PointType = ini.ReadInteger(kCommon, "PointType", d.PointType);
}

void ReadAlarm(const IniFile& ini, const SettingsEnvironment& env, TOptionItem& o) {
    const TOptionItem d;
    o.AlarmUse = ini.ReadBool(kAlarm, "AlarmUse", d.AlarmUse);
    o.Join = ini.ReadInteger(kAlarm, "Join", d.Join);
    o.HRange = ini.ReadInteger(kAlarm, "HRange", d.HRange);
    o.MRange = ini.ReadInteger(kAlarm, "MRange", d.MRange);
    o.MsgType = ini.ReadInteger(kAlarm, "MsgType", d.MsgType);
    o.Interval = ini.ReadInteger(kAlarm, "Interval", d.Interval);
    o.Times = ini.ReadInteger(kAlarm, "Times", d.Times);
    o.Speed = ini.ReadInteger(kAlarm, "Speed", d.Speed);
    o.Action = ini.ReadInteger(kAlarm, "Action", d.Action);
    o.ReportMissed = ini.ReadBool(kAlarm, "ReportMissed", d.ReportMissed);
    o.WakeUp = ini.ReadBool(kAlarm, "WakeUp", d.WakeUp);
    o.SnoozeMinutes = ini.ReadInteger(kAlarm, "SnoozeMinutes", d.SnoozeMinutes);
    const std::string fallback = DefaultAlarmFolder(env.program_folder);
    o.Dir = ExistingFolderOr(ini.ReadString(kAlarm, "Dir", fallback), fallback);
}

void ReadNtp(const IniFile& ini, TOptionItem& o) {
    const TOptionItem d;
    o.Server = ini.ReadString(kNtp, "Server", d.Server);
    o.TimeOut = ini.ReadInteger(kNtp, "TimeOut", d.TimeOut);
    o.ShowResult = ini.ReadBool(kNtp, "ShowResult", d.ShowResult);
    o.OnlyResultMsg = ini.ReadBool(kNtp, "OnlyResultMsg", d.OnlyResultMsg);
    o.AutoDial = ini.ReadBool(kNtp, "AutoDial", d.AutoDial);
    o.AutoHangUp = ini.ReadBool(kNtp, "AutoHangUp", d.AutoHangUp);
    o.ErrorHangUp = ini.ReadBool(kNtp, "ErrorHangUp", d.ErrorHangUp);
    o.AutoSetTime = ini.ReadBool(kNtp, "AutoSetTime", d.AutoSetTime);
    const auto last = ini.Find(kNtp, "LastDate");
    o.LastDate = last ? TextToDateTime(*last).value_or(d.LastDate) : d.LastDate;
}

void ReadLock(const IniFile& ini, TOptionItem& o, WindowSettings& window) {
    const TOptionItem d;
    o.HoleSize = ini.ReadInteger(kLock, "HoleSize", d.HoleSize);
    o.SlowlyHide = ini.ReadBool(kLook, "SlowlyHide", d.SlowlyHide);
    o.EscapeSpeed = ini.ReadInteger(kLock, "EscapeSpeed", d.EscapeSpeed);
    o.Mode = ini.ReadInteger(kLock, "Mode", d.Mode);
    o.TempKey = ini.ReadInteger(kLock, "TempKey", d.TempKey);
    window.Lock = ini.ReadBool(kCommon, "Lock", WindowSettings{}.Lock);
}

void WriteProgramSettings(IniFile& ini, const TOptionItem& o, const WindowSettings& window,
                          WindowPoint position) {
    ini.WriteInteger(kCommon, "PointX", position.x);
    ini.WriteInteger(kCommon, "PointY", position.y);
    ini.WriteInteger(kCommon, "Size", window.Size);
    ini.WriteBool(kCommon, "ShowTray", o.ShowTray);
    ini.WriteBool(kCommon, "UseTrans", o.UseTrans);
    ini.WriteInteger(kCommon, "Trans", o.Trans);
    ini.WriteInteger(kCommon, "DblClickAction", o.DblClickAction);
    ini.WriteBool(kCommon, "SNeedle", o.SNeedle);
    ini.WriteBool(kThick, "ColorChange", o.ColorChange);
    ini.WriteInteger(kCommon, "DateCharForm", o.DateCharForm);
    ini.WriteInteger(kCommon, "TimeCharForm", o.TimeCharForm);
    ini.WriteInteger(kCommon, "WeekType", o.WeekType);
    ini.WriteBool(kCommon, "StayOnTop", window.StayOnTop);
    ini.WriteBool(kCommon, "Lock", window.Lock);
    ini.WriteInteger(kCommon, "PointType", o.PointType);
    ini.WriteBool(kAlarm, "AlarmUse", o.AlarmUse);
    ini.WriteInteger(kAlarm, "Join", o.Join);
    ini.WriteInteger(kAlarm, "HRange", o.HRange);
    ini.WriteInteger(kAlarm, "MRange", o.MRange);
    ini.WriteInteger(kAlarm, "MsgType", o.MsgType);
    ini.WriteInteger(kAlarm, "Interval", o.Interval);
    ini.WriteInteger(kAlarm, "Times", o.Times);
    ini.WriteInteger(kAlarm, "Speed", o.Speed);
    ini.WriteInteger(kAlarm, "Action", o.Action);
    ini.WriteBool(kAlarm, "ReportMissed", o.ReportMissed);
    ini.WriteBool(kAlarm, "WakeUp", o.WakeUp);
    ini.WriteInteger(kAlarm, "SnoozeMinutes", o.SnoozeMinutes);
    ini.WriteString(kAlarm, "Dir", o.Dir);
    ini.WriteString(kNtp, "Server", o.Server);
    ini.WriteInteger(kNtp, "TimeOut", o.TimeOut);
    ini.WriteBool(kNtp, "ShowResult", o.ShowResult);
    ini.WriteBool(kNtp, "OnlyResultMsg", o.OnlyResultMsg);
    ini.WriteBool(kNtp, "AutoDial", o.AutoDial);
    ini.WriteBool(kNtp, "AutoHangUp", o.AutoHangUp);
    ini.WriteBool(kNtp, "ErrorHangUp", o.ErrorHangUp);
    ini.WriteBool(kNtp, "AutoSetTime", o.AutoSetTime);
    ini.WriteString(kNtp, "LastDate", DateTimeToText(o.LastDate));
    ini.WriteInteger(kLock, "HoleSize", o.HoleSize);
    ini.WriteBool(kLook, "SlowlyHide", o.SlowlyHide);
    ini.WriteInteger(kLock, "EscapeSpeed", o.EscapeSpeed);
    ini.WriteInteger(kLock, "Mode", o.Mode);
    ini.WriteInteger(kLock, "TempKey", o.TempKey);
    ini.WriteString(kCommon, "StyleDir", o.StyleDir);
}

} // namespace

std::string SharedSettingsPath(const std::string& program_folder) {
    return program_folder + kSharedSettingsName;
}

std::string SettingsFileName(const std::string& program_folder, const std::string& user_name,
                             bool multi_user, int ver) {
    if (!PerUser(multi_user, ver)) return SharedSettingsPath(program_folder);
    return program_folder + user_name + ".Ini";
}

std::string AlarmFilePath(const std::string& program_folder, const std::string& user_name,
                          bool multi_user, int ver) {
    if (!PerUser(multi_user, ver)) return program_folder + kSharedAlarmName;
    return program_folder + user_name + ".CSV";
}

std::string DefaultAlarmFolder(const std::string& program_folder) {
    return program_folder + "alarm" + PathSeparator();
}

std::string DefaultStyleFolder(const std::string& program_folder) {
    return program_folder + "style" + PathSeparator();
}

void KeepOnScreens(const SettingsEnvironment& env, WindowSettings& window) {
    if (env.monitors.empty()) return;
    Rect all = env.monitors[0].bounds;
    for (const Monitor& m : env.monitors) {
        all = {std::min(all.left, m.bounds.left), std::min(all.top, m.bounds.top),
               std::max(all.right, m.bounds.right), std::max(all.bottom, m.bounds.bottom)};
    }
    const int largest = Unscale(std::min(all.width(), all.height()), env.dpi);
    if (window.Size > largest) window.Size = std::max(largest, kMinimumClockSize);
    const int pixels = Scale(window.Size, env.dpi);
    const long long cx = static_cast<long long>(window.PointX) + pixels / 2;
    const long long cy = static_cast<long long>(window.PointY) + pixels / 2;
    for (const Monitor& m : env.monitors) {
        if (Covers(m.bounds, cx, cy)) return;
    }
    // Lost beyond every monitor (a monitor removed, a hand-edited place): onto the nearest one.
    // Far-off values are first brought within reach, so that the arithmetic stays in range.
    constexpr int kReach = 1 << 24;
    const Rect lost = Rect::Sized(std::clamp(window.PointX, -kReach, kReach),
                                  std::clamp(window.PointY, -kReach, kReach), pixels, pixels);
    const Rect back = KeptWithin(lost, env.monitors[MonitorIndexFor(env.monitors, lost)].work);
    window.PointX = back.left;
    window.PointY = back.top;
}

std::string ReadSharedSettings(const std::string& shared_path, TOptionItem& option,
                               WindowSettings& window) {
    const IniFile ini(shared_path);
    option.MultiUser = ini.ReadBool(kCommon, "MultiUser", TOptionItem{}.MultiUser);
    window.Ver = ini.ReadInteger(kCommon, "Ver", WindowSettings{}.Ver);
    return ini.LoadFailed() ? UnreadSettingsText(ini) : std::string();
}

std::string ReadSettings(const std::string& path, const SettingsEnvironment& env,
                         TOptionItem& option, WindowSettings& window) {
    return ReadSettings(IniFile(path), env, option, window);
}

std::string ReadSettings(const IniFile& ini, const SettingsEnvironment& env, TOptionItem& option,
                         WindowSettings& window) {
    ReadPlacement(ini, env, window);
    ReadDisplay(ini, env, option, window);
    ReadAlarm(ini, env, option);
    ReadNtp(ini, option);
    ReadLock(ini, option, window);
    const std::string styles = DefaultStyleFolder(env.program_folder);
    option.StyleDir = ExistingFolderOr(ini.ReadString(kCommon, "StyleDir", styles), styles);
    ClampToRanges(option);
    return ini.LoadFailed() ? UnreadSettingsText(ini) : std::string();
}

void WriteSettings(const std::string& program_folder, const std::string& user_name,
                   const TOptionItem& option, const WindowSettings& window,
                   std::optional<WindowPoint> escaped_home, const UnreadFiles& unread) {
    // Each file's new contents are built whole in memory and replace it in one step, so that a
    // save stopped at any moment leaves each file wholly old or wholly new.
    const std::string shared_path = SharedSettingsPath(program_folder);
    const std::string settings_path =
        SettingsFileName(program_folder, user_name, option.MultiUser, window.Ver);
    const bool settings_writable = !unread.Contains(settings_path);
    const bool own_file = !SamePath(settings_path, shared_path);
    const WindowPoint position = escaped_home.value_or(WindowPoint{window.PointX, window.PointY});
    if (!unread.Contains(shared_path)) {
        IniFile shared(shared_path);
        shared.WriteBool(kCommon, "MultiUser", option.MultiUser);
        shared.WriteInteger(kCommon, "Ver", window.Ver);
        if (!own_file && settings_writable) WriteProgramSettings(shared, option, window, position);
        WriteStyle(shared, option);
        shared.UpdateFile();
    }
    if (own_file && settings_writable) {
        IniFile settings(settings_path);
        WriteProgramSettings(settings, option, window, position);
        settings.UpdateFile();
    }
}

void RemoveLeftoverSaves(const std::string& program_folder, const std::string& user_name) {
    for (const std::string& name : {std::string(kSharedSettingsName), std::string(kSharedAlarmName),
                                    user_name + ".Ini", user_name + ".CSV"}) {
        RemoveLeftoverTemporary(program_folder + name);
    }
}

} // namespace vistrel
