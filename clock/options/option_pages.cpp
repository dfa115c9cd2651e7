#include "clock/options/option_pages.h"

#include <array>
#include <vector>

#include "clock/common/help.h"
#include "clock/options/option_ids.h"
#include "clock/settings/value_ranges.h"

namespace vistrel {

namespace {

using O = TOptionItem;
using P = Platform;
using namespace oid;

constexpr int kHandStyles = 15;

// A track bar or spin edit offers its field's range from the one table the readers use too.
Track TrackOf(int O::*field) {
    const ValueRange& r = RangeOf(field);
    return {field, r.low, r.high};
}
Spin SpinOf(int O::*field) {
    const ValueRange& r = RangeOf(field);
    return {field, r.low, r.high};
}

// ---- bindings -----------------------------------------------------------------------------

const std::vector<Bound> kGeneral = {
    {lstDspOrder, LayerOrder{}},
    {chkShowTray, Check{&O::ShowTray}},
    {chkUseTrans, Check{&O::UseTrans}},
    {trbTrans, TrackOf(&O::Trans)},
    {cmbDblClickAction, ComboIndex{&O::DblClickAction, 5}},
    {chkMultiUser, Check{&O::MultiUser}},
};

const std::vector<Bound> kNeedle = {
    {chkSNeedle, Check{&O::SNeedle}},
    {cmbNeedleStyle, ComboIndex{&O::NeedleStyle, kHandStyles}},
    {chkSepNeedleStyle, Check{&O::SepStyle}},
    {cmbMNeedleStyle, ComboIndex{&O::MStyle, kHandStyles}},
    {cmbSNeedleStyle, ComboIndex{&O::SStyle, kHandStyles}},
    {trbHNeedleW, TrackOf(&O::HNeedleW)},
    {trbMNeedleW, TrackOf(&O::MNeedleW)},
    {trbSNeedleW, TrackOf(&O::SNeedleW)},
    {trbHNeedleLL, TrackOf(&O::HLongLen)},
    {trbMNeedleLL, TrackOf(&O::MLongLen)},
    {trbSNeedleLL, TrackOf(&O::SLongLen)},
    {trbHNeedleLS, TrackOf(&O::HShortLen)},
    {trbMNeedleLS, TrackOf(&O::MShortLen)},
    {trbSNeedleLS, TrackOf(&O::SShortLen)},
    {btnH, ColourButton{&O::ColorH}},
    {btnM, ColourButton{&O::ColorM}},
    {btnS, ColourButton{&O::ColorS}},
    {btnHF, ColourButton{&O::ColorHF}},
    {btnMF, ColourButton{&O::ColorMF}},
    {btnSF, ColourButton{&O::ColorSF}},
};

const std::vector<Bound> kMojiBan = {
    {chkMojiBan, Check{&O::MojiBan}},
    {chkMojiBanAll, Check{&O::MojiBanAll}},
    // The fourth set has a button that is never shown, so a stored 3 survives the dialog.
    {grpMojiBanType, RadioGroup{&O::MojiBanType, rbtnNormal, 4, 0}},
    {cmbMojiBanFont, ComboText{&O::MojiBanFont}},
    {chkMojiBanBold, Check{&O::MojiBanBold}},
    {chkMojiBanItalic, Check{&O::MojiBanItalic}},
    {chkMojiBanPitch, Check{&O::MojiBanPitch}},
    {trbMojiBanPitchWidth, TrackOf(&O::MojiBanPitchWidth)},
    {trbMojiBanSize, TrackOf(&O::MojiSize)},
    {trbMojiBanPos, TrackOf(&O::MojiBanPos)},
    {chkMojiBanShadow, Check{&O::MojiBanShadow}},
    {chkGuradeshon, Check{&O::MojiBanGuradeshon}},
    {btnB1, ColourButton{&O::ColorB1}},
    {btnB2, ColourButton{&O::ColorB2}},
    {btnBS1, ColourButton{&O::ColorBS1}},
    {btnBS2, ColourButton{&O::ColorBS2}},
};

const std::vector<Bound> kDateChar = {
    {chkDateChar, Check{&O::DateChar}},
    {cmbDateForm, ComboIndex{&O::DateCharForm, 9}},
    {cmbWeekType, ComboIndex{&O::WeekType, 6}},
    {cmbDateCharFont, ComboText{&O::DateCharFont}},
    {chkDateCharBold, Check{&O::DateCharBold}},
    {chkDateCharItalic, Check{&O::DateCharItalic}},
    {trbDateCharSize, TrackOf(&O::DateSize)},
    {chkDateCharShadow, Check{&O::DateCharShadow}},
    {btnD, ColourButton{&O::ColorD}},
    {btnDS, ColourButton{&O::ColorDS}},
    {grpDateCharPos, RadioGroup{&O::DateCharPos, rbtnDateCharPosAMPM, 4, 3}},
    {trbDateCharInOut, TrackOf(&O::DateCharInOut)},
};

const std::vector<Bound> kTime = {
    {chkTimeChar, Check{&O::TimeChar}},
    {cmbTimeForm, ComboIndex{&O::TimeCharForm, 6}},
    {cmbTimeCharFont, ComboText{&O::TimeCharFont}},
    {chkTimeCharBold, Check{&O::TimeCharBold}},
    {chkTimeCharItalic, Check{&O::TimeCharItalic}},
    {trbTimeCharSize, TrackOf(&O::TimeSize)},
    {chkTimeCharShadow, Check{&O::TimeCharShadow}},
    {btnTime, ColourButton{&O::ColorTime}},
    {btnTimeS, ColourButton{&O::ColorTimeS}},
    {grpTimeCharPos, RadioGroup{&O::TimeCharPos, rbtnTimeCharPosDateRev, 3, 2}},
    {trbTimeCharInOut, TrackOf(&O::TimeCharInOut)},
};

const std::vector<Bound> kMemori = {
    {chkMajorThick, Check{&O::MajorThick}},
    {chkMinorThick, Check{&O::MinorThick}},
    {lstThickStyle, ComboIndex{&O::ThickStyle, 4}},
    {trbThickPos, TrackOf(&O::ThickPos)},
    {trbThick5Size, TrackOf(&O::Thick5Size)},
    {trbThickSize, TrackOf(&O::ThickSize)},
    {btn5, ColourButton{&O::Color5}},
    {btn52, ColourButton{&O::Color52}},
    {btnT, ColourButton{&O::ColorT}},
    {btnT2, ColourButton{&O::ColorT2}},
    {chkThickGuradeshon, Check{&O::ThickGuradeshon}},
    {chkThickColorChange, Check{&O::ColorChange}},
    {btnThickColorChange, ColourButton{&O::ColorThickChange}},
};

const std::vector<Bound> kFrame = {
    {chkFrame, Check{&O::FrameShow}},         {lstFrameStyle, ComboIndex{&O::FrameStyle, 3}},
    {trbFramePos, TrackOf(&O::FramePos)},     {trbFrameWidth, TrackOf(&O::FrameWidth)},
    {btnFrame, ColourButton{&O::ColorFrame}}, {btnFrameE, ColourButton{&O::ColorFrameE}},
};

const std::vector<Bound> kLock = {
    {chkLockUse, Check{&O::Locked}},
    {rbtnLockNormal, RadioGroup{&O::Mode, rbtnLockNormal, 4}},
    {chkSlowlyHide, Check{&O::SlowlyHide}},
    {trbLockHoleSize, TrackOf(&O::HoleSize)},
    {trbLockEscapeSpeed, TrackOf(&O::EscapeSpeed)},
    {rgrpLockTempKey, RadioGroup{&O::TempKey, rbtnTempKeyNone, 4}},
};

const std::vector<Bound> kPoint = {
    {Panel0, RadioGroup{&O::PointType, Panel0, 6}},
};

const std::vector<Bound> kAlarm = {
    {chkAlarmUse, Check{&O::AlarmUse}},
    {grpAlarmStyle, RadioGroup{&O::MsgType, rbtnAlarmMsgNormal, 3}},
    {sedtAlarmMsgInterval, SpinOf(&O::Interval)},
    {sedtAlarmMsgTimes, SpinOf(&O::Times)},
    {trbAlarmMsgSpeed, TrackOf(&O::Speed)},
    {grpAlarmMark, RadioGroup{&O::Join, rbtnSymbolJoinNone, 3}},
    {sedtMRange, SpinOf(&O::MRange)},
    {sedtHRange, SpinOf(&O::HRange)},
    {grpAlarmAction, RadioGroup{&O::Action, rbtnAlarmActionNone, 3}},
    {chkReportMissed, Check{&O::ReportMissed}},
    {chkWakeUp, Check{&O::WakeUp}},
    {sedtSnooze, SpinOf(&O::SnoozeMinutes)},
};

const std::vector<Bound> kINet = {
    {cmbNTPServer, ComboText{&O::Server}},    {sedtTimeOut, SpinOf(&O::TimeOut)},
    {chkShowResult, Check{&O::ShowResult}},   {chkOnlyResultMsg, Check{&O::OnlyResultMsg}},
    {chkAutoDial, Check{&O::AutoDial}},       {chkAutoHangUp, Check{&O::AutoHangUp}},
    {chkErrorHangUp, Check{&O::ErrorHangUp}}, {chkAutoSetTime, Check{&O::AutoSetTime}},
};

// ---- rules ------------------------------------------------------------------------------------
// Where a control depends on another being "checked and enabled", the predicate repeats that
// control's own condition, so the order of the rules never matters.

bool Never(const O&, const P&) { return false; }

bool TransEnabled(const O&, const P& p) { return p.layered_windows; }
bool TransOn(const O& r, const P& p) { return TransEnabled(r, p) && r.UseTrans; }

const std::vector<Rule> kGeneralRules = {
    {{chkShowTray}, [](const O& r, const P&) { return !(r.Locked && r.TempKey == 0); }},
    {{chkUseTrans}, TransEnabled},
    {{lblTrans, trbTrans}, TransOn},
};

bool SNeedleOn(const O& r, const P&) { return r.SNeedle; }
bool SepOn(const O& r, const P&) { return r.SepStyle; }

const std::vector<Rule> kNeedleRules = {
    {{lblHNeedleStyle}, SepOn, Rule::Acts::Show},
    {{lblMNeedleStyle, cmbMNeedleStyle}, SepOn},
    {{lblSNeedleStyle, cmbSNeedleStyle},
     [](const O& r, const P&) { return r.SepStyle && r.SNeedle; }},
    {{lblSNeedleW, trbSNeedleW, trbSNeedleLL, trbSNeedleLS, btnS}, SNeedleOn},
    {{lblNeedleFrameColor, btnHF},
     [](const O& r, const P&) { return r.NeedleStyle > kLastStyleWithoutEdge; }},
    {{btnMF}, [](const O& r, const P&) { return EffectiveMinuteStyle(r) > kLastStyleWithoutEdge; }},
    {{btnSF},
     [](const O& r, const P&) {
         return r.SNeedle && EffectiveSecondStyle(r) > kLastStyleWithoutEdge;
     }},
};

constexpr int kCircledNumerals = 2;
bool MojiOn(const O& r, const P&) { return r.MojiBan; }
bool MojiGradOn(const O& r, const P& p) {
    return r.MojiBan && p.deep_colour && r.MojiBanGuradeshon;
}

const std::vector<Rule> kMojiBanRules = {
    {{chkMojiBanAll, grpMojiBanType, rbtnNormal, rbtnArabia, rbtnMarutuki, rbtn13_24,
      grpMojiBanFont, cmbMojiBanFont, chkMojiBanBold, chkMojiBanItalic, lblB1F, trbMojiBanSize,
      lblMojiBanPos, trbMojiBanPos, chkMojiBanShadow, lblB1, btnB1},
     MojiOn},
    {{rbtn13_24}, Never, Rule::Acts::Show},
    {{btnBS1}, [](const O& r, const P&) { return r.MojiBan && r.MojiBanShadow; }},
    {{chkMojiBanPitch},
     [](const O& r, const P&) { return r.MojiBan && r.MojiBanType != kCircledNumerals; }},
    {{trbMojiBanPitchWidth},
     [](const O& r, const P&) {
         return r.MojiBan && r.MojiBanPitch && r.MojiBanType != kCircledNumerals;
     }},
    {{chkGuradeshon}, [](const O& r, const P& p) { return r.MojiBan && p.deep_colour; }},
    {{lblB2, btnB2}, MojiGradOn},
    {{lblBS2, btnBS2}, [](const O& r, const P& p) { return MojiGradOn(r, p) && r.MojiBanShadow; }},
};

const std::vector<Rule> kDateCharRules = {
    {{lblDateForm,
      cmbDateForm,
      lblWT,
      cmbWeekType,
      grpDateCharFont,
      cmbDateCharFont,
      chkDateCharBold,
      chkDateCharItalic,
      lblDateCharSize,
      trbDateCharSize,
      chkDateCharShadow,
      lblD,
      btnD,
      grpDateCharPos,
      rbtnDateCharPosAMPM,
      rbtnDateCharPosNeedle,
      rbtnDateCharPosUp,
      rbtnDateCharPosBottom,
      lblDateCharPosIn,
      lblDateCharPosOut,
      trbDateCharInOut},
     [](const O& r, const P&) { return r.DateChar; }},
    {{btnDS}, [](const O& r, const P&) { return r.DateChar && r.DateCharShadow; }},
};

const std::vector<Rule> kTimeRules = {
    {{lblTimeForm, cmbTimeForm, GroupBox2, cmbTimeCharFont, chkTimeCharBold, chkTimeCharItalic,
      lblTimeCharSize, trbTimeCharSize, chkTimeCharShadow, lblTime, btnTime, grpTimeCharPos,
      rbtnTimeCharPosDateRev, rbtnTimeCharPosUp, rbtnTimeCharPosBottom, lblTimeCharPosIn,
      lblTimeCharPosOut, trbTimeCharInOut},
     [](const O& r, const P&) { return r.TimeChar; }},
    {{btnTimeS}, [](const O& r, const P&) { return r.TimeChar && r.TimeCharShadow; }},
};

bool TicksOn(const O& r, const P&) { return r.MajorThick; }
bool TickGradOn(const O& r, const P& p) {
    return r.MajorThick && p.deep_colour && r.ThickGuradeshon;
}
// The minute ticks' own controls: their check box enabled, and minute ticks or the second's
// colour change on.
bool MinuteTicksOn(const O& r, const P& p) {
    return TicksOn(r, p) && (r.MinorThick || r.ColorChange);
}

const std::vector<Rule> kMemoriRules = {
    {{chkMinorThick, chkThickColorChange, lstThickStyle, lblThickPosI, lblDialSize, lblThick5Size,
      trbThick5Size, btn5},
     TicksOn},
    {{chkThickGuradeshon}, [](const O& r, const P& p) { return r.MajorThick && p.deep_colour; }},
    {{lbl52, btn52}, TickGradOn},
    {{btnT, lblThickSize, trbThickSize}, MinuteTicksOn},
    {{lblT2, btnT2},
     [](const O& r, const P& p) { return MinuteTicksOn(r, p) && TickGradOn(r, p); }},
    {{btnThickColorChange}, [](const O& r, const P&) { return r.ColorChange; }},
};

const std::vector<Rule> kFrameRules = {
    {{lstFrameStyle, lblFramePos, trbFramePos, lblFrameWidth, trbFrameWidth, lblFrame, btnFrame,
      lblFrameE, btnFrameE},
     [](const O& r, const P&) { return r.FrameShow; }},
};

bool LockModesOn(const O& r, const P&) { return r.Locked || r.TempKey != 0; }

const std::vector<Rule> kLockRules = {
    {{rbtnLockNormal, rbtnLockHide, rbtnLockHole, rbtnLockEscape}, LockModesOn},
    {{chkSlowlyHide},
     [](const O& r, const P& p) { return TransOn(r, p) && LockModesOn(r, p) && r.Mode == 1; }},
    {{lblLockHoleSizeT, trbLockHoleSize},
     [](const O& r, const P& p) { return LockModesOn(r, p) && r.Mode == 2; }},
    {{lblLockEscapeSpeed, lblLockEscapeSpeedEarly, lblLockEscapeSpeedSlow, trbLockEscapeSpeed},
     [](const O& r, const P& p) { return LockModesOn(r, p) && r.Mode == 3; }},
};

constexpr int kBoard = 2;
bool AlarmOn(const O& r, const P&) { return r.AlarmUse; }

const std::vector<Rule> kAlarmRules = {
    {{grpAlarmStyle, rbtnAlarmMsgNormal, rbtnAlarmMsgSimple, rbtnAlarmMsgBoard, grpAlarmMark,
      rbtnSymbolJoinNone, rbtnSymbolJoinM, rbtnSymbolJoinH, btnAlarmMsgPreview, chkReportMissed,
      chkWakeUp, lblSnooze, sedtSnooze, lblSnoozeUnit},
     AlarmOn},
    {{sedtAlarmMsgInterval, lblAlarmMsgInterval},
     [](const O& r, const P&) { return r.AlarmUse && r.MsgType != kBoard; }},
    {{sedtAlarmMsgTimes, lblAlarmMsgTimes, trbAlarmMsgSpeed, lblAlarmMsgSpeed,
      lblAlarmMsgSpeedEarly, lblAlarmMsgSpeedSlow},
     [](const O& r, const P&) { return r.AlarmUse && r.MsgType == kBoard; }},
    {{sedtMRange, lblMRange}, [](const O& r, const P&) { return r.AlarmUse && r.Join == 1; }},
    {{sedtHRange, lblHRange}, [](const O& r, const P&) { return r.AlarmUse && r.Join == 2; }},
};

bool RasOn(const O&, const P& p) { return p.ras; }

const std::vector<Rule> kINetRules = {
    {{chkOnlyResultMsg}, [](const O& r, const P&) { return r.ShowResult; }},
    {{grpRasConn, chkAutoDial, chkAutoHangUp}, RasOn},
    {{chkErrorHangUp}, [](const O& r, const P& p) { return p.ras && r.AutoHangUp; }},
    {{chkAutoSetTime}, Never, Rule::Acts::Show},
};

const std::vector<Rule> kNoRules;

struct PageEntry {
    const std::vector<Bound>& bindings;
    const std::vector<Rule>& rules;
    int help; // -1: none
};

const std::array<PageEntry, kOptionPageCount>& Pages() {
    static const std::array<PageEntry, kOptionPageCount> pages = {{
        {kGeneral, kGeneralRules, kHelpGeneral},
        {kNeedle, kNeedleRules, kHelpNeedle},
        {kMojiBan, kMojiBanRules, kHelpMojiBan},
        {kDateChar, kDateCharRules, kHelpDateChar},
        {kTime, kTimeRules, -1},
        {kMemori, kMemoriRules, kHelpMemori},
        {kFrame, kFrameRules, kHelpFrame},
        {kLock, kLockRules, kHelpLock},
        {kPoint, kNoRules, kHelpPoint},
        {kAlarm, kAlarmRules, kHelpAlarm},
        {kINet, kINetRules, kHelpINet},
    }};
    return pages;
}

bool ValidPage(int page) { return page >= 0 && page < kOptionPageCount; }

} // namespace

int EffectiveMinuteStyle(const TOptionItem& r) { return r.SepStyle ? r.MStyle : r.NeedleStyle; }
int EffectiveSecondStyle(const TOptionItem& r) { return r.SepStyle ? r.SStyle : r.NeedleStyle; }

std::span<const Bound> PageBindings(int page) {
    if (!ValidPage(page)) return {};
    return Pages()[static_cast<std::size_t>(page)].bindings;
}

std::span<const Rule> PageRules(int page) {
    if (!ValidPage(page)) return {};
    return Pages()[static_cast<std::size_t>(page)].rules;
}

std::optional<int> PageHelpContext(int page) {
    if (!ValidPage(page)) return std::nullopt;
    const int help = Pages()[static_cast<std::size_t>(page)].help;
    if (help < 0) return std::nullopt;
    return help;
}

} // namespace vistrel
