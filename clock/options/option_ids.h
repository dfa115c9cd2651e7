// Control numbers of the options dialog. The resource templates use the same numbers, so the
// portable tables and the dialog address one control by one constant. Each page owns a block of
// 100 starting at 2000 + page index x 100; the frame's own controls lie below.
#pragma once

namespace vistrel::oid {

// The frame.
inline constexpr int btnOK = 1;     // IDOK, so Enter is OK
inline constexpr int btnCancel = 2; // IDCANCEL, so Escape is Cancel
inline constexpr int pageOption = 1901;
inline constexpr int btnHelp = 1902;

inline constexpr int kPageCount = 11;
inline constexpr int PageBase(int page) { return 2000 + page * 100; }
// The page whose block holds a control; -1 for the frame's controls.
inline constexpr int PageOf(int id) {
    return id >= PageBase(0) && id < PageBase(kPageCount) ? (id - PageBase(0)) / 100 : -1;
}

// 0 全般
inline constexpr int lblDSPOrder = 2001, lstDspOrder = 2002, btnDSPOrderUp = 2003,
                     btnDSPOrderDown = 2004, chkShowTray = 2005, chkUseTrans = 2006,
                     lblTrans = 2007, trbTrans = 2008, lblDblClickAction = 2009,
                     cmbDblClickAction = 2010, chkMultiUser = 2011;

// 1 針
inline constexpr int chkSNeedle = 2101, lblNeedleStyle = 2102, cmbNeedleStyle = 2103,
                     chkSepNeedleStyle = 2104, lblHNeedleStyle = 2105, lblMNeedleStyle = 2106,
                     lblSNeedleStyle = 2107, cmbMNeedleStyle = 2108, cmbSNeedleStyle = 2109,
                     lblNeedleWidth = 2110, lblHNeedleW = 2111, lblMNeedleW = 2112,
                     lblSNeedleW = 2113, trbHNeedleW = 2114, trbMNeedleW = 2115, trbSNeedleW = 2116,
                     lblNeedleLen = 2117, trbHNeedleLL = 2118, trbMNeedleLL = 2119,
                     trbSNeedleLL = 2120, trbHNeedleLS = 2121, trbMNeedleLS = 2122,
                     trbSNeedleLS = 2123, lblNeedleColor = 2124, btnH = 2125, btnM = 2126,
                     btnS = 2127, lblNeedleFrameColor = 2128, btnHF = 2129, btnMF = 2130,
                     btnSF = 2131;

// 2 数字
inline constexpr int chkMojiBan = 2201, chkMojiBanAll = 2202, grpMojiBanType = 2203,
                     rbtnNormal = 2204, rbtnArabia = 2205, rbtnMarutuki = 2206, rbtn13_24 = 2207,
                     grpMojiBanFont = 2208, cmbMojiBanFont = 2209, chkMojiBanBold = 2210,
                     chkMojiBanItalic = 2211, chkMojiBanPitch = 2212, trbMojiBanPitchWidth = 2213,
                     lblB1F = 2214, trbMojiBanSize = 2215, lblMojiBanPos = 2216,
                     trbMojiBanPos = 2217, chkMojiBanShadow = 2218, chkGuradeshon = 2219,
                     lblB1 = 2220, btnB1 = 2221, lblB2 = 2222, btnB2 = 2223, btnBS1 = 2224,
                     lblBS2 = 2225, btnBS2 = 2226;

// 3 日付
inline constexpr int chkDateChar = 2301, lblDateForm = 2302, cmbDateForm = 2303, lblWT = 2304,
                     cmbWeekType = 2305, grpDateCharFont = 2306, cmbDateCharFont = 2307,
                     chkDateCharBold = 2308, chkDateCharItalic = 2309, lblDateCharSize = 2310,
                     trbDateCharSize = 2311, chkDateCharShadow = 2312, lblD = 2313, btnD = 2314,
                     btnDS = 2315, grpDateCharPos = 2316, rbtnDateCharPosAMPM = 2317,
                     rbtnDateCharPosNeedle = 2318, rbtnDateCharPosUp = 2319,
                     rbtnDateCharPosBottom = 2320, lblDateCharPosIn = 2321,
                     lblDateCharPosOut = 2322, trbDateCharInOut = 2323;

// 4 時刻
inline constexpr int chkTimeChar = 2401, lblTimeForm = 2402, cmbTimeForm = 2403, GroupBox2 = 2404,
                     cmbTimeCharFont = 2405, chkTimeCharBold = 2406, chkTimeCharItalic = 2407,
                     lblTimeCharSize = 2408, trbTimeCharSize = 2409, chkTimeCharShadow = 2410,
                     lblTime = 2411, btnTime = 2412, btnTimeS = 2413, grpTimeCharPos = 2414,
                     rbtnTimeCharPosDateRev = 2415, rbtnTimeCharPosUp = 2416,
                     rbtnTimeCharPosBottom = 2417, lblTimeCharPosIn = 2418,
                     lblTimeCharPosOut = 2419, trbTimeCharInOut = 2420;

// 5 ﾒﾓﾘ
inline constexpr int chkMajorThick = 2501, chkMinorThick = 2502, lstThickStyle = 2503,
                     lblThickPosI = 2504, trbThickPos = 2505, lblDialSize = 2506,
                     lblThick5Size = 2507, trbThick5Size = 2508, lblThickSize = 2509,
                     trbThickSize = 2510, lblDialColor = 2511, btn5 = 2512, lbl52 = 2513,
                     btn52 = 2514, btnT = 2515, lblT2 = 2516, btnT2 = 2517,
                     chkThickGuradeshon = 2518, chkThickColorChange = 2519,
                     btnThickColorChange = 2520;

// 6 枠
inline constexpr int chkFrame = 2601, lstFrameStyle = 2602, lblFramePos = 2603, trbFramePos = 2604,
                     lblFrameWidth = 2605, trbFrameWidth = 2606, lblFrame = 2607, btnFrame = 2608,
                     lblFrameE = 2609, btnFrameE = 2610;

// 7 ﾛｯｸ
inline constexpr int chkLockUse = 2701, rbtnLockNormal = 2702, rbtnLockHide = 2703,
                     rbtnLockHole = 2704, rbtnLockEscape = 2705, chkSlowlyHide = 2706,
                     lblLockHoleSizeT = 2707, trbLockHoleSize = 2708, lblLockEscapeSpeed = 2709,
                     lblLockEscapeSpeedEarly = 2710, lblLockEscapeSpeedSlow = 2711,
                     trbLockEscapeSpeed = 2712, rgrpLockTempKey = 2713, rbtnTempKeyNone = 2714,
                     rbtnTempKeyCtrl = 2715, rbtnTempKeyShift = 2716, rbtnTempKeyAlt = 2717;

// 8 ﾎﾟｲﾝﾀ: panel n shows cursor n; the highlighted panel is the choice.
inline constexpr int Label1 = 2801, Panel0 = 2810, Panel1 = 2811, Panel2 = 2812, Panel3 = 2813,
                     Panel4 = 2814, Panel5 = 2815, lblPointer0 = 2820;
inline constexpr int Panel(int n) { return Panel0 + n; }
inline constexpr int PointerLabel(int n) { return lblPointer0 + n; }

// 9 ｱﾗｰﾑ
inline constexpr int BitBtn1 = 2901, chkAlarmUse = 2902, grpAlarmStyle = 2903,
                     rbtnAlarmMsgNormal = 2904, rbtnAlarmMsgSimple = 2905, rbtnAlarmMsgBoard = 2906,
                     sedtAlarmMsgInterval = 2907, lblAlarmMsgInterval = 2908,
                     sedtAlarmMsgTimes = 2909, lblAlarmMsgTimes = 2910, trbAlarmMsgSpeed = 2911,
                     lblAlarmMsgSpeed = 2912, lblAlarmMsgSpeedEarly = 2913,
                     lblAlarmMsgSpeedSlow = 2914, grpAlarmMark = 2915, rbtnSymbolJoinNone = 2916,
                     rbtnSymbolJoinM = 2917, rbtnSymbolJoinH = 2918, sedtMRange = 2919,
                     lblMRange = 2920, sedtHRange = 2921, lblHRange = 2922,
                     btnAlarmMsgPreview = 2923, grpAlarmAction = 2924, rbtnAlarmActionNone = 2925,
                     rbtnAlarmActionFlash = 2926, rbtnAlarmActionVibration = 2927,
                     chkReportMissed = 2928, chkWakeUp = 2929, lblSnooze = 2930, sedtSnooze = 2931,
                     lblSnoozeUnit = 2932;

// 10 時間合わせ
inline constexpr int lblNTPServer = 3001, cmbNTPServer = 3002, Label3 = 3003, Label4 = 3004,
                     lblTimeOut = 3005, sedtTimeOut = 3006, lblTimeOutSec = 3007,
                     chkShowResult = 3008, chkOnlyResultMsg = 3009, grpRasConn = 3010,
                     chkAutoDial = 3011, chkAutoHangUp = 3012, chkErrorHangUp = 3013,
                     chkAutoSetTime = 3014, btnTimeZone = 3015, btnSetTime = 3016;

} // namespace vistrel::oid
