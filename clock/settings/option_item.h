// The settings record: every program setting and the whole clock-face style in one plain record,
// copied whole by the dialogs that edit it. The initial values are the defaults that a missing
// key gives. Style fields are marked "style"; they are read and written by ReadStyle/WriteStyle.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "clock/common/colour.h"
#include "clock/common/date_time.h"

namespace vistrel {

inline constexpr int kLayerCount = 7;
inline constexpr const char* kDefaultFontName = "Times New Roman";
inline constexpr const char* kDefaultTimeServer = "pool.ntp.org";

// "[Alarm] SnoozeMinutes": the length of "あとで" on an alarm notice.
inline constexpr int kSnoozeMinutesDefault = 5;
inline constexpr int kSnoozeMinutesMin = 1;
inline constexpr int kSnoozeMinutesMax = 60;

struct TOptionItem {
    // style: layer code at each stacking position, frontmost first (0 alarm marks, 1 hands,
    // 2 tick marks, 3 numerals, 4 date, 5 frame, 6 time); other codes draw nothing.
    std::array<std::uint8_t, kLayerCount> DSPOrder{0, 1, 2, 3, 4, 5, 6};
    bool ShowTray = true;
    int DblClickAction = 0;
    bool MultiUser = true;
    // style: colours of the hands, their edges, ticks, date, numerals, frame and time.
    TColor ColorH = 65535;
    TColor ColorM = 16711680;
    TColor ColorS = 52479;
    TColor ColorHF = 0;
    TColor ColorMF = 0;
    TColor ColorSF = 0;
    TColor Color5 = 65280;
    TColor ColorT = 16777164;
    TColor Color52 = 16711935;
    TColor ColorT2 = 255;
    TColor ColorD = 255;
    TColor ColorDS = 0;
    TColor ColorB1 = 26367;
    TColor ColorB2 = 65407;
    TColor ColorBS1 = 0;
    TColor ColorBS2 = 0;
    TColor ColorFrame = 0;
    TColor ColorFrameE = 0;
    TColor ColorTime = 0;
    TColor ColorTimeS = 0;
    bool SNeedle = false;
    bool MajorThick = true; // style
    bool MinorThick = true; // style
    int ThickPos = 74;      // style: percent of the radius
    int Thick5Size = 37;    // style: per mille of the radius
    int ThickSize = 18;     // style: per mille of the radius
    int ThickStyle = 1;     // style: 0 circle 3D, 1 square 3D, 2 circle, 3 square
    bool ColorChange = false;
    bool ThickGuradeshon = true;     // style
    TColor ColorThickChange = 65535; // style
    bool MojiBan = true;             // style
    bool MojiBanAll = true;          // style
    int MojiBanPos = 20;             // style
    bool MojiBanGuradeshon = true;   // style
    bool DateChar = true;            // style
    int DateCharForm = 1;
    std::string DateCharFont = kDefaultFontName; // style
    bool DateCharBold = false;                   // style
    bool DateCharItalic = false;                 // style
    int DateSize = 7;                            // style
    int DateCharPos = 0;                         // style
    int DateCharInOut = 8;                       // style
    bool DateCharShadow = true;                  // style
    std::string MojiBanFont = kDefaultFontName;  // style
    bool MojiBanBold = false;                    // style
    bool MojiBanItalic = true;                   // style
    bool MojiBanPitch = true;                    // style
    int MojiBanPitchWidth = 35;                  // style
    int MojiSize = 5;                            // style
    bool MojiBanShadow = true;                   // style
    int WeekType = 3;
    int MojiBanType = 0; // style
    int PointType = 5;
    int SNeedleW = 10; // style (and the hand lengths and widths below)
    int MNeedleW = 31;
    int HNeedleW = 45;
    int SLongLen = 80;
    int MLongLen = 80;
    int HLongLen = 50;
    int SShortLen = 25;
    int MShortLen = 25;
    int HShortLen = 15;
    bool SepStyle = false; // style
    int NeedleStyle = 0;   // style: every hand, or the hour hand with SepStyle
    int MStyle = 0;        // style
    int SStyle = 0;        // style
    bool AlarmUse = true;
    int Join = 1;
    int HRange = 11;
    int MRange = 59;
    int MsgType = 0;
    int Interval = 0;
    int Times = 2;
    int Speed = 2;
    int Action = 2;
    bool ReportMissed = true; // alarms missed while the clock was not running are listed
    bool WakeUp = false;      // a sleeping computer is woken for the next alarm
    int SnoozeMinutes = kSnoozeMinutesDefault; // how long "あとで" puts a fired alarm off
    std::string Dir; // the alarm folder; the program folder's "alarm" when none is stored
    std::string Server = kDefaultTimeServer;
    int TimeOut = 5;
    bool ShowResult = true;
    bool OnlyResultMsg = false;
    bool AutoDial = true;
    bool AutoHangUp = true;
    bool ErrorHangUp = false;
    bool AutoSetTime = false;
    TDateTime LastDate = 0;
    int HoleSize = 30;
    bool Locked = false;
    int Mode = 2;
    bool SlowlyHide = true;
    int EscapeSpeed = 2;
    int TempKey = 1;
    bool UseTrans = false;
    int Trans = 255;
    bool FrameShow = false; // style
    int FrameStyle = 0;     // style: 0 circle, 1 square, 2 octagon
    int FramePos = 99;      // style
    int FrameWidth = 8;     // style
    bool TimeChar = false;  // style
    int TimeCharForm = 1;
    std::string TimeCharFont = kDefaultFontName; // style
    bool TimeCharBold = false;                   // style
    bool TimeCharItalic = false;                 // style
    int TimeSize = 7;                            // style
    int TimeCharPos = 0;                         // style
    int TimeCharInOut = 8;                       // style
    bool TimeCharShadow = true;                  // style
    std::string StyleDir; // the style folder; the program folder's "style" when none is stored

    bool operator==(const TOptionItem&) const = default;
};

// The settings that the main window holds itself rather than in the record.
struct WindowSettings {
    int Ver = 202;  // layout version of the settings files
    int Size = 133; // edge of the square clock window in pixels
    int PointX = 0; // left; by default the window touches the right edge of the screen
    int PointY = 0; // top
    bool StayOnTop = true;
    bool Lock = false;

    bool operator==(const WindowSettings&) const = default;
};

} // namespace vistrel
