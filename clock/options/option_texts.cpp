#include "clock/options/option_texts.h"

#include "clock/options/option_face_lists.h"
#include "clock/options/option_ids.h"

namespace vistrel {

namespace {

using namespace oid;

constexpr int kCaption = -1;

// The fifteen hand styles.
constexpr Tx kHandStyles[] = {
    Tx::OptHandStyle0,  Tx::OptHandStyle1,  Tx::OptHandStyle2,  Tx::OptHandStyle3,
    Tx::OptHandStyle4,  Tx::OptHandStyle5,  Tx::OptHandStyle6,  Tx::OptHandStyle7,
    Tx::OptHandStyle8,  Tx::OptHandStyle9,  Tx::OptHandStyle10, Tx::OptHandStyle11,
    Tx::OptHandStyle12, Tx::OptHandStyle13, Tx::OptHandStyle14,
};

// Texts that are the same in every language: formats, key names, arrows.
struct FixedText {
    int id;
    int item;
    const char* text;
};
constexpr FixedText kFixedTexts[] = {
    {lblB2, kCaption, "-->"},
    {lblBS2, kCaption, "-->"},
    {cmbDateForm, 0, "yyyy/m/d"},
    {cmbDateForm, 1, "yy/m/d"},
    {cmbDateForm, 2, "m/d"},
    {cmbDateForm, 3, "d"},
    {cmbDateForm, 4, "m/d/yyyy"},
    {cmbDateForm, 5, "m/d/yy"},
    {cmbDateForm, 6, "d/m/yyyy"},
    {cmbDateForm, 7, "d/m/yy"},
    {cmbDateForm, 8, "d/m"},
    {cmbTimeForm, 0, "H:mm:ss"},
    {cmbTimeForm, 1, "h:mm:ss AM"},
    {cmbTimeForm, 2, "AM h:mm:ss"},
    {cmbTimeForm, 3, "H:mm"},
    {cmbTimeForm, 4, "h:mm AM"},
    {cmbTimeForm, 5, "AM h:mm"},
    {lbl52, kCaption, "-->"},
    {lblT2, kCaption, "-->"},
    {rbtnTempKeyCtrl, kCaption, "Ctrl"},
    {rbtnTempKeyShift, kCaption, "Shift"},
    {rbtnTempKeyAlt, kCaption, "Alt"},
    {PointerLabel(1), kCaption, "Type1"},
    {PointerLabel(2), kCaption, "Type2"},
    {PointerLabel(3), kCaption, "Type3"},
    {PointerLabel(4), kCaption, "Type4"},
    {PointerLabel(5), kCaption, "Type5"},
};

std::vector<OptionText> BuildTable() {
    std::vector<OptionText> t = {
        {kOptionsWindowText, kCaption, Tx::OptCaption},
        {btnOK, kCaption, Tx::OptOK},
        {btnCancel, kCaption, Tx::OptCancel},
        {btnHelp, kCaption, Tx::OptHelp},
        // 全般
        {PageBase(0), kCaption, Tx::OptGeneralTab},
        {lblDSPOrder, kCaption, Tx::OptDisplayOrder},
        {lstDspOrder, 0, Tx::OptLayerAlarmMarks},
        {lstDspOrder, 1, Tx::OptLayerHands},
        {lstDspOrder, 2, Tx::OptLayerTicks},
        {lstDspOrder, 3, Tx::OptLayerNumerals},
        {lstDspOrder, 4, Tx::OptLayerDate},
        {lstDspOrder, 5, Tx::OptLayerFrame},
        {lstDspOrder, 6, Tx::OptLayerTime},
        {btnDSPOrderUp, kCaption, Tx::OptOrderUp},
        {btnDSPOrderDown, kCaption, Tx::OptOrderDown},
        {chkShowTray, kCaption, Tx::OptShowTray},
        {chkUseTrans, kCaption, Tx::OptUseTrans},
        {lblTrans, kCaption, Tx::OptTrans},
        {lblDblClickAction, kCaption, Tx::OptDblClickAction},
        {cmbDblClickAction, 0, Tx::MenuErase},
        {cmbDblClickAction, 1, Tx::OptDblClickScreenSaver},
        {cmbDblClickAction, 2, Tx::MenuSetTime},
        {cmbDblClickAction, 3, Tx::MenuStopSound},
        {cmbDblClickAction, 4, Tx::OptDblClickAlarmView},
        {chkMultiUser, kCaption, Tx::OptMultiUser},
        // 針
        {PageBase(1), kCaption, Tx::OptHandsTab},
        {chkSNeedle, kCaption, Tx::OptSecondHand},
        {lblNeedleWidth, kCaption, Tx::OptHandWidth},
        {lblHNeedleW, kCaption, Tx::OptHourHand},
        {lblMNeedleW, kCaption, Tx::OptMinuteHand},
        {lblSNeedleW, kCaption, Tx::OptSecondHandWidth},
        {lblNeedleStyle, kCaption, Tx::OptHandStyle},
    };
    for (int n = 0; n < 15; ++n) t.push_back({cmbNeedleStyle, n, kHandStyles[n]});
    const std::vector<OptionText> rest = {
        {lblNeedleLen, kCaption, Tx::OptHandLength},
        {lblNeedleColor, kCaption, Tx::OptHandColour},
        {lblNeedleFrameColor, kCaption, Tx::OptHandEdgeColour},
        {chkSepNeedleStyle, kCaption, Tx::OptSeparateHandStyles},
        {lblHNeedleStyle, kCaption, Tx::OptHourHandStyle},
        {lblMNeedleStyle, kCaption, Tx::OptMinuteHandStyle},
        {lblSNeedleStyle, kCaption, Tx::OptSecondHandStyle},
        // 数字
        {PageBase(2), kCaption, Tx::OptNumeralsTab},
        {chkMojiBan, kCaption, Tx::OptShowNumerals},
        {chkMojiBanAll, kCaption, Tx::OptAllNumerals},
        {grpMojiBanType, kCaption, Tx::OptNumeralStyle},
        {rbtnNormal, kCaption, Tx::OptNumeralsNormal},
        {rbtnArabia, kCaption, Tx::OptNumeralsRoman},
        {rbtnMarutuki, kCaption, Tx::OptNumeralsCircled},
        {rbtn13_24, kCaption, Tx::OptNumerals13To24},
        {grpMojiBanFont, kCaption, Tx::OptNumeralFont},
        {chkMojiBanBold, kCaption, Tx::OptNumeralBold},
        {chkMojiBanItalic, kCaption, Tx::OptNumeralItalic},
        {chkMojiBanPitch, kCaption, Tx::OptNumeralPitch},
        {lblB1F, kCaption, Tx::OptNumeralSize},
        {chkGuradeshon, kCaption, Tx::OptNumeralGradation},
        {lblMojiBanPos, kCaption, Tx::OptNumeralPosition},
        {chkMojiBanShadow, kCaption, Tx::OptNumeralShadow},
        {lblB1, kCaption, Tx::OptNumeralColour},
        // 日付
        {PageBase(3), kCaption, Tx::OptDateTab},
        {chkDateChar, kCaption, Tx::OptShowDate},
        {lblDateForm, kCaption, Tx::OptDateFormat},
        {lblWT, kCaption, Tx::OptWeekday},
        {cmbWeekType, 0, Tx::OptWeekdayNone},
        {grpDateCharPos, kCaption, Tx::OptDatePosition},
        {rbtnDateCharPosAMPM, kCaption, Tx::OptDateAmPm},
        {rbtnDateCharPosNeedle, kCaption, Tx::OptDateOppositeHour},
        {rbtnDateCharPosUp, kCaption, Tx::OptDateTop},
        {rbtnDateCharPosBottom, kCaption, Tx::OptDateBottom},
        {lblDateCharPosIn, kCaption, Tx::OptDateInner},
        {lblDateCharPosOut, kCaption, Tx::OptDateOuter},
        {grpDateCharFont, kCaption, Tx::OptDateFont},
        {chkDateCharBold, kCaption, Tx::OptDateBold},
        {chkDateCharItalic, kCaption, Tx::OptDateItalic},
        {lblDateCharSize, kCaption, Tx::OptDateSize},
        {chkDateCharShadow, kCaption, Tx::OptDateShadow},
        {lblD, kCaption, Tx::OptDateColour},
        // 時刻: the library has no block for this page.
        {PageBase(4), kCaption, Tx::OptTimeTab},
        {chkTimeChar, kCaption, Tx::OptShowTime},
        {lblTimeForm, kCaption, Tx::OptTimeFormat},
        {GroupBox2, kCaption, Tx::OptTimeFont},
        {chkTimeCharBold, kCaption, Tx::OptTimeBold},
        {chkTimeCharItalic, kCaption, Tx::OptTimeItalic},
        {lblTimeCharSize, kCaption, Tx::OptTimeSize},
        {chkTimeCharShadow, kCaption, Tx::OptTimeShadow},
        {lblTime, kCaption, Tx::OptTimeColour},
        {grpTimeCharPos, kCaption, Tx::OptTimePosition},
        {rbtnTimeCharPosDateRev, kCaption, Tx::OptTimeOppositeDate},
        {rbtnTimeCharPosUp, kCaption, Tx::OptTimeTop},
        {rbtnTimeCharPosBottom, kCaption, Tx::OptTimeBottom},
        {lblTimeCharPosIn, kCaption, Tx::OptTimeInner},
        {lblTimeCharPosOut, kCaption, Tx::OptTimeOuter},
        // ﾒﾓﾘ
        {PageBase(5), kCaption, Tx::OptTicksTab},
        {chkMajorThick, kCaption, Tx::OptShowTicks},
        {chkMinorThick, kCaption, Tx::OptShowMinuteTicks},
        {lblThickPosI, kCaption, Tx::OptTickPosition},
        {lblThick5Size, kCaption, Tx::OptTickFiveMinutes},
        {lblThickSize, kCaption, Tx::OptTickMinutes},
        {lblDialSize, kCaption, Tx::OptTickSize},
        {lblDialColor, kCaption, Tx::OptTickColour},
        {chkThickColorChange, kCaption, Tx::OptTickSecondColour},
        {chkThickGuradeshon, kCaption, Tx::OptTickGradation},
        {lstThickStyle, 0, Tx::OptTickCircle3D},
        {lstThickStyle, 1, Tx::OptTickSquare3D},
        {lstThickStyle, 2, Tx::OptTickCircleSimple},
        {lstThickStyle, 3, Tx::OptTickSquareSimple},
        // 枠: no library block either.
        {PageBase(6), kCaption, Tx::OptFrameTab},
        {chkFrame, kCaption, Tx::OptShowFrame},
        {lstFrameStyle, 0, Tx::OptFrameCircle},
        {lstFrameStyle, 1, Tx::OptFrameSquare},
        {lstFrameStyle, 2, Tx::OptFrameOctagon},
        {lblFramePos, kCaption, Tx::OptFramePosition},
        {lblFrameWidth, kCaption, Tx::OptFrameWidth},
        {lblFrame, kCaption, Tx::OptFrameColour},
        {lblFrameE, kCaption, Tx::OptFrameEdgeColour},
        // ﾛｯｸ
        {PageBase(7), kCaption, Tx::OptLockTab},
        {chkLockUse, kCaption, Tx::OptUseLock},
        {rbtnLockNormal, kCaption, Tx::OptLockFull},
        {rbtnLockHide, kCaption, Tx::OptLockHide},
        {rbtnLockHole, kCaption, Tx::OptLockHole},
        {lblLockHoleSizeT, kCaption, Tx::OptLockHoleSize},
        {rbtnLockEscape, kCaption, Tx::OptLockEscape},
        {lblLockEscapeSpeed, kCaption, Tx::OptLockEscapeSpeed},
        {rgrpLockTempKey, kCaption, Tx::OptLockTempKey},
        {rbtnTempKeyNone, kCaption, Tx::OptLockTempKeyNone},
        {chkSlowlyHide, kCaption, Tx::OptSlowlyHide},
        {lblLockEscapeSpeedEarly, kCaption, Tx::OptLockSpeedFast},
        {lblLockEscapeSpeedSlow, kCaption, Tx::OptLockSpeedSlow},
        // ﾎﾟｲﾝﾀ
        {PageBase(8), kCaption, Tx::OptPointerTab},
        {Label1, kCaption, Tx::OptPointerNote},
        {PointerLabel(0), kCaption, Tx::OptPointerNormal},
        // ｱﾗｰﾑ
        {PageBase(9), kCaption, Tx::OptAlarmTab},
        {chkAlarmUse, kCaption, Tx::OptUseAlarm},
        {grpAlarmAction, kCaption, Tx::OptAlarmAction},
        {rbtnAlarmActionNone, kCaption, Tx::OptAlarmActionNone},
        {rbtnAlarmActionFlash, kCaption, Tx::OptAlarmActionFlash},
        {rbtnAlarmActionVibration, kCaption, Tx::OptAlarmActionShake},
        {grpAlarmMark, kCaption, Tx::OptAlarmMark},
        {rbtnSymbolJoinNone, kCaption, Tx::OptAlarmMarkNone},
        {rbtnSymbolJoinM, kCaption, Tx::OptAlarmMarkMinute},
        {rbtnSymbolJoinH, kCaption, Tx::OptAlarmMarkHour},
        {lblMRange, kCaption, Tx::OptAlarmMinutesBefore},
        {lblHRange, kCaption, Tx::OptAlarmHoursBefore},
        {grpAlarmStyle, kCaption, Tx::OptAlarmStyle},
        {rbtnAlarmMsgNormal, kCaption, Tx::OptAlarmStyleNormal},
        {rbtnAlarmMsgSimple, kCaption, Tx::OptAlarmStyleSimple},
        {rbtnAlarmMsgBoard, kCaption, Tx::OptAlarmStyleBoard},
        {lblAlarmMsgInterval, kCaption, Tx::OptAlarmShowMinutes},
        {lblAlarmMsgTimes, kCaption, Tx::OptAlarmShowTimes},
        {lblAlarmMsgSpeed, kCaption, Tx::OptAlarmSpeed},
        {lblAlarmMsgSpeedEarly, kCaption, Tx::OptAlarmSpeedFast},
        {lblAlarmMsgSpeedSlow, kCaption, Tx::OptAlarmSpeedSlow},
        {BitBtn1, kCaption, Tx::OptAlarmEditor},
        {btnAlarmMsgPreview, kCaption, Tx::OptAlarmPreview},
        {chkReportMissed, kCaption, Tx::OptReportMissed},
        {chkWakeUp, kCaption, Tx::OptWakeUp},
        {lblSnooze, kCaption, Tx::OptSnooze},
        {lblSnoozeUnit, kCaption, Tx::OptSnoozeUnit},
        {kAlarmPreviewText, kCaption, Tx::OptAlarmPreviewMessage},
        // 時間合わせ
        {PageBase(10), kCaption, Tx::OptTimeSyncTab},
        {lblNTPServer, kCaption, Tx::OptServer},
        {lblTimeOut, kCaption, Tx::OptTimeout},
        {lblTimeOutSec, kCaption, Tx::OptTimeoutSeconds},
        {grpRasConn, kCaption, Tx::OptDialUp},
        {chkAutoDial, kCaption, Tx::OptAutoDial},
        {chkAutoHangUp, kCaption, Tx::OptAutoHangUp},
        {chkErrorHangUp, kCaption, Tx::OptErrorHangUp},
        {btnTimeZone, kCaption, Tx::OptTimeZone},
        {btnSetTime, kCaption, Tx::OptSetTime},
        {Label3, kCaption, Tx::OptServerNote1},
        {Label4, kCaption, Tx::OptServerNote2},
        {chkShowResult, kCaption, Tx::OptShowResult},
        {chkOnlyResultMsg, kCaption, Tx::OptOnlyResult},
        {chkAutoSetTime, kCaption, Tx::OptAutoSetTime},
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
}

std::string& Target(OptionTexts& texts, int id, int item) {
    if (item < 0) return texts.captions[id];
    std::vector<std::string>& list = texts.lists[id];
    if (list.size() <= static_cast<std::size_t>(item))
        list.resize(static_cast<std::size_t>(item) + 1);
    return list[static_cast<std::size_t>(item)];
}

// The double-click list borrows the menu's captions: a list shows no access keys, so their
// marks go ("&&" stays one "&").
void DropAccessKeys(std::vector<std::string>& entries) {
    for (std::string& entry : entries) {
        std::string plain;
        for (std::size_t i = 0; i < entry.size(); ++i) {
            if (entry[i] == '&' && i + 1 < entry.size()) ++i;
            plain += entry[i];
        }
        entry = std::move(plain);
    }
}

} // namespace

const std::vector<OptionText>& OptionTextTable() {
    static const std::vector<OptionText> table = BuildTable();
    return table;
}

OptionTexts BuiltInOptionTexts(TDateTime today) {
    OptionTexts texts;
    for (const OptionText& entry : OptionTextTable())
        Target(texts, entry.id, entry.item) = BuiltInText(entry.text);
    for (const FixedText& entry : kFixedTexts) Target(texts, entry.id, entry.item) = entry.text;
    const auto weekdays = WeekTypeEntries(today);
    texts.lists[cmbWeekType].assign(weekdays.begin(), weekdays.end());
    DropAccessKeys(texts.lists[cmbDblClickAction]);
    // The minute and second hands choose from the same styles.
    texts.lists[cmbMNeedleStyle] = texts.lists[cmbNeedleStyle];
    texts.lists[cmbSNeedleStyle] = texts.lists[cmbNeedleStyle];
    return texts;
}

void TranslateOptionTexts(const StringSource& library, OptionTexts& texts) {
    std::vector<TextReplacement> table;
    for (const OptionText& entry : OptionTextTable()) {
        // The target is found when the text arrives: a reference taken now could be moved by
        // a list that grows later.
        table.push_back({NumberOf(entry.text), [&texts, entry](const std::string& text) {
                             Target(texts, entry.id, entry.item) = text;
                         }});
    }
    ApplyReplacements(library, table);
    DropAccessKeys(texts.lists[cmbDblClickAction]);
    // The minute and second hands choose from the same styles.
    texts.lists[cmbMNeedleStyle] = texts.lists[cmbNeedleStyle];
    texts.lists[cmbSNeedleStyle] = texts.lists[cmbNeedleStyle];
}

std::string LayerName(const OptionTexts& texts, int code) {
    const auto found = texts.lists.find(lstDspOrder);
    if (found == texts.lists.end() || code < 0 || code >= static_cast<int>(found->second.size()))
        return {};
    return found->second[static_cast<std::size_t>(code)];
}

} // namespace vistrel
