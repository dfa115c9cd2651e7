#include "clock/options/option_texts.h"

#include "clock/options/option_face_lists.h"
#include "clock/options/option_ids.h"

namespace vistrel {

namespace {

using namespace oid;

constexpr int kCaption = -1;

// The fifteen hand styles; the library has entries for the first thirteen (56 to 68).
const char* const kHandStyles[] = {
    "ﾉｰﾏﾙ(3D)",     "ﾉｰﾏﾙ(ﾌﾗｯﾄ)",      "ﾉｰﾏﾙ(ｴﾝﾌﾟﾃｨ)",   "ｽｸｴｱ(3D)",         "ｽｸｴｱ(ﾌﾗｯﾄ)",
    "ｽｸｴｱ(ｴﾝﾌﾟﾃｨ)", "ﾀﾞｲﾔﾓﾝﾄﾞ(3D)",    "ﾀﾞｲﾔﾓﾝﾄﾞ(ﾌﾗｯﾄ)", "ﾀﾞｲﾔﾓﾝﾄﾞ(ｴﾝﾌﾟﾃｨ)", "ﾉｰﾏﾙ(ｼﾝﾌﾟﾙ)",
    "ｽｸｴｱ(ｼﾝﾌﾟﾙ)",  "ﾀﾞｲﾔﾓﾝﾄﾞ(ｼﾝﾌﾟﾙ)", "ｱﾛｰ(ｼﾝﾌﾟﾙ)",     "ﾄﾗｲｱﾝｸﾞﾙ(ｼﾝﾌﾟﾙ)",  "菱形(ｼﾝﾌﾟﾙ)",
};
constexpr int kFirstHandStyleText = 56, kLastHandStyleText = 68;

std::vector<OptionText> BuildTable() {
    std::vector<OptionText> t = {
        {kOptionsWindowText, kCaption, "オプション", 501},
        {btnOK, kCaption, "OK", 502},
        {btnCancel, kCaption, "ｷｬﾝｾﾙ", 503},
        {btnHelp, kCaption, "ﾍﾙﾌﾟ", 504},
        // 全般
        {PageBase(0), kCaption, "全般", 32},
        {lblDSPOrder, kCaption, "表示順序", 33},
        {lstDspOrder, 0, "ｱﾗｰﾑﾏｰｸ", 34},
        {lstDspOrder, 1, "針", 35},
        {lstDspOrder, 2, "ﾒﾓﾘ", 36},
        {lstDspOrder, 3, "数字(文字盤)", 37},
        {lstDspOrder, 4, "日付", 38},
        {lstDspOrder, 5, "枠", 0},
        {lstDspOrder, 6, "時刻", 0},
        {btnDSPOrderUp, kCaption, "前面へ", 39},
        {btnDSPOrderDown, kCaption, "背面へ", 40},
        {chkShowTray, kCaption, "ﾄﾚｲにｱｲｺﾝを表示する", 41},
        {chkUseTrans, kCaption, "透明度を指定する", 42},
        {lblTrans, kCaption, "透明度", 43},
        {lblDblClickAction, kCaption, "ﾀﾞﾌﾞﾙｸﾘｯｸの動作", 44},
        {cmbDblClickAction, 0, "残像を消す", 3},
        {cmbDblClickAction, 1, "ｽｸﾘｰﾝｾｰﾊﾞｰ起動", 45},
        {cmbDblClickAction, 2, "時間を設定", 8},
        {cmbDblClickAction, 3, "ｱﾗｰﾑｻｳﾝﾄﾞの停止", 11},
        {cmbDblClickAction, 4, "ｱﾗｰﾑ･ﾀｲﾏｰの設定", 46},
        {chkMultiUser, kCaption, "ﾏﾙﾁﾕｰｻﾞｰ機能を使う", 0},
        // 針
        {PageBase(1), kCaption, "針", 48},
        {chkSNeedle, kCaption, "秒針を表示", 49},
        {lblNeedleWidth, kCaption, "太さ", 50},
        {lblHNeedleW, kCaption, "時", 51},
        {lblMNeedleW, kCaption, "分", 52},
        {lblSNeedleW, kCaption, "秒", 53},
        {lblNeedleStyle, kCaption, "ｽﾀｲﾙ", 55},
    };
    for (int n = 0; n < 15; ++n) t.push_back({cmbNeedleStyle, n, kHandStyles[n], 0});
    const std::vector<OptionText> rest = {
        {lblNeedleLen, kCaption, "長さ", 69},
        {lblNeedleColor, kCaption, "色", 70},
        {lblNeedleFrameColor, kCaption, "縁の色", 71},
        {chkSepNeedleStyle, kCaption, "個別に設定する", 0},
        {lblHNeedleStyle, kCaption, "時", 0},
        {lblMNeedleStyle, kCaption, "分", 0},
        {lblSNeedleStyle, kCaption, "秒", 0},
        // 数字
        {PageBase(2), kCaption, "数字", 80},
        {chkMojiBan, kCaption, "数字を表示", 81},
        {chkMojiBanAll, kCaption, "すべて表示", 82},
        {grpMojiBanType, kCaption, "ｽﾀｲﾙ", 83},
        {rbtnNormal, kCaption, "ﾉｰﾏﾙ(1,2...12)", 84},
        {rbtnArabia, kCaption, "ﾛｰﾏ(Ⅰ,Ⅱ...)", 85},
        {rbtnMarutuki, kCaption, "丸付(①,②...⑫)", 0},
        {rbtn13_24, kCaption, "ﾉｰﾏﾙ(13,14...24)", 0},
        {grpMojiBanFont, kCaption, "ﾌｫﾝﾄ", 86},
        {chkMojiBanBold, kCaption, "太字", 87},
        {chkMojiBanItalic, kCaption, "斜体", 88},
        {chkMojiBanPitch, kCaption, "ﾋﾟｯﾁ", 89},
        {lblB1F, kCaption, "ｻｲｽﾞ", 90},
        {chkGuradeshon, kCaption, "ｸﾞﾗﾃﾞｰｼｮﾝ", 91},
        {lblMojiBanPos, kCaption, "位置", 92},
        {chkMojiBanShadow, kCaption, "影", 93},
        {lblB1, kCaption, "色", 94},
        {lblB2, kCaption, "-->", 0},
        {lblBS2, kCaption, "-->", 0},
        // 日付
        {PageBase(3), kCaption, "日付", 112},
        {chkDateChar, kCaption, "日付を表示", 113},
        {lblDateForm, kCaption, "書式", 114},
        {lblWT, kCaption, "曜日", 115},
        {cmbWeekType, 0, "(なし)", 116},
        {grpDateCharPos, kCaption, "位置", 117},
        {rbtnDateCharPosAMPM, kCaption, "午前・午後", 118},
        {rbtnDateCharPosNeedle, kCaption, "時針の反対", 119},
        {rbtnDateCharPosUp, kCaption, "上", 120},
        {rbtnDateCharPosBottom, kCaption, "下", 121},
        {lblDateCharPosIn, kCaption, "内", 122},
        {lblDateCharPosOut, kCaption, "外", 123},
        {grpDateCharFont, kCaption, "ﾌｫﾝﾄ", 124},
        {chkDateCharBold, kCaption, "太字", 125},
        {chkDateCharItalic, kCaption, "斜体", 126},
        {lblDateCharSize, kCaption, "ｻｲｽﾞ", 127},
        {chkDateCharShadow, kCaption, "影", 128},
        {lblD, kCaption, "色", 129},
        {cmbDateForm, 0, "yyyy/m/d", 0},
        {cmbDateForm, 1, "yy/m/d", 0},
        {cmbDateForm, 2, "m/d", 0},
        {cmbDateForm, 3, "d", 0},
        {cmbDateForm, 4, "m/d/yyyy", 0},
        {cmbDateForm, 5, "m/d/yy", 0},
        {cmbDateForm, 6, "d/m/yyyy", 0},
        {cmbDateForm, 7, "d/m/yy", 0},
        {cmbDateForm, 8, "d/m", 0},
        // 時刻: the library has no block for this page.
        {PageBase(4), kCaption, "時刻", 0},
        {chkTimeChar, kCaption, "時刻を表示", 0},
        {lblTimeForm, kCaption, "書式", 0},
        {cmbTimeForm, 0, "H:mm:ss", 0},
        {cmbTimeForm, 1, "h:mm:ss AM", 0},
        {cmbTimeForm, 2, "AM h:mm:ss", 0},
        {cmbTimeForm, 3, "H:mm", 0},
        {cmbTimeForm, 4, "h:mm AM", 0},
        {cmbTimeForm, 5, "AM h:mm", 0},
        {GroupBox2, kCaption, "ﾌｫﾝﾄ", 0},
        {chkTimeCharBold, kCaption, "太字", 0},
        {chkTimeCharItalic, kCaption, "斜体", 0},
        {lblTimeCharSize, kCaption, "ｻｲｽﾞ", 0},
        {chkTimeCharShadow, kCaption, "影", 0},
        {lblTime, kCaption, "色", 0},
        {grpTimeCharPos, kCaption, "位置", 0},
        {rbtnTimeCharPosDateRev, kCaption, "日付の反対", 0},
        {rbtnTimeCharPosUp, kCaption, "上", 0},
        {rbtnTimeCharPosBottom, kCaption, "下", 0},
        {lblTimeCharPosIn, kCaption, "内", 0},
        {lblTimeCharPosOut, kCaption, "外", 0},
        // ﾒﾓﾘ
        {PageBase(5), kCaption, "ﾒﾓﾘ", 144},
        {chkMajorThick, kCaption, "メモリを表示", 145},
        {chkMinorThick, kCaption, "分メモリを表示", 146},
        {lblThickPosI, kCaption, "位置", 150},
        {lblThick5Size, kCaption, "5分", 151},
        {lblThickSize, kCaption, "分", 152},
        {lblDialSize, kCaption, "ｻｲｽﾞ", 153},
        {lblDialColor, kCaption, "色", 154},
        {chkThickColorChange, kCaption, "秒の色を変える", 155},
        {chkThickGuradeshon, kCaption, "ｸﾞﾗﾃﾞｰｼｮﾝ", 156},
        {lstThickStyle, 0, "ｻｰｸﾙ(3D)", 160},
        {lstThickStyle, 1, "ｽｸｴｱ(3D)", 161},
        {lstThickStyle, 2, "ｻｰｸﾙ(ｼﾝﾌﾟﾙ)", 162},
        {lstThickStyle, 3, "ｽｸｴｱ(ｼﾝﾌﾟﾙ)", 163},
        {lbl52, kCaption, "-->", 0},
        {lblT2, kCaption, "-->", 0},
        // 枠: no library block either.
        {PageBase(6), kCaption, "枠", 0},
        {chkFrame, kCaption, "枠を表示", 0},
        {lstFrameStyle, 0, "ｻｰｸﾙ", 0},
        {lstFrameStyle, 1, "ｽｸｴｱ", 0},
        {lstFrameStyle, 2, "八角形", 0},
        {lblFramePos, kCaption, "位置", 0},
        {lblFrameWidth, kCaption, "太さ", 0},
        {lblFrame, kCaption, "色", 0},
        {lblFrameE, kCaption, "縁の色", 0},
        // ﾛｯｸ
        {PageBase(7), kCaption, "ﾛｯｸ", 176},
        {chkLockUse, kCaption, "ﾛｯｸを使用する", 177},
        {rbtnLockNormal, kCaption, "完全ﾛｯｸ", 178},
        {rbtnLockHide, kCaption, "隠れる", 179},
        {rbtnLockHole, kCaption, "ﾎｰﾙ", 180},
        {lblLockHoleSizeT, kCaption, "ｻｲｽﾞ", 181},
        {rbtnLockEscape, kCaption, "逃げる", 182},
        {lblLockEscapeSpeed, kCaption, "ｽﾋﾟｰﾄﾞ", 183},
        {rgrpLockTempKey, kCaption, "ﾛｯｸ解除ｷｰ ", 184},
        {rbtnTempKeyNone, kCaption, "(なし)", 185},
        {rbtnTempKeyCtrl, kCaption, "Ctrl", 0},
        {rbtnTempKeyShift, kCaption, "Shift", 0},
        {rbtnTempKeyAlt, kCaption, "Alt", 0},
        {chkSlowlyHide, kCaption, "スーッと隠れる", 0},
        {lblLockEscapeSpeedEarly, kCaption, "速", 0},
        {lblLockEscapeSpeedSlow, kCaption, "遅", 0},
        // ﾎﾟｲﾝﾀ
        {PageBase(8), kCaption, "ﾎﾟｲﾝﾀ", 208},
        {Label1, kCaption, "", 209},
        {PointerLabel(0), kCaption, "通常", 0},
        {PointerLabel(1), kCaption, "Type1", 0},
        {PointerLabel(2), kCaption, "Type2", 0},
        {PointerLabel(3), kCaption, "Type3", 0},
        {PointerLabel(4), kCaption, "Type4", 0},
        {PointerLabel(5), kCaption, "Type5", 0},
        // ｱﾗｰﾑ
        {PageBase(9), kCaption, "ｱﾗｰﾑ", 240},
        {chkAlarmUse, kCaption, "ｱﾗｰﾑを使用する", 241},
        {grpAlarmAction, kCaption, "動作", 242},
        {rbtnAlarmActionNone, kCaption, "なし", 243},
        {rbtnAlarmActionFlash, kCaption, "ﾌﾗｯｼｭ", 244},
        {rbtnAlarmActionVibration, kCaption, "ﾊﾞｲﾌﾞ", 245},
        {grpAlarmMark, kCaption, "ﾏｰｸ", 246},
        {rbtnSymbolJoinNone, kCaption, "なし", 247},
        {rbtnSymbolJoinM, kCaption, "分針", 248},
        {rbtnSymbolJoinH, kCaption, "時針", 249},
        {lblMRange, kCaption, "分前", 250},
        {lblHRange, kCaption, "時間前", 251},
        {grpAlarmStyle, kCaption, "ｽﾀｲﾙ", 252},
        {rbtnAlarmMsgNormal, kCaption, "ﾉｰﾏﾙ", 253},
        {rbtnAlarmMsgSimple, kCaption, "ｼﾝﾌﾟﾙ", 254},
        {rbtnAlarmMsgBoard, kCaption, "掲示板", 255},
        {lblAlarmMsgInterval, kCaption, "分間表示", 256},
        {lblAlarmMsgTimes, kCaption, "回表示", 257},
        {lblAlarmMsgSpeed, kCaption, "ｽﾋﾟｰﾄﾞ ", 258},
        {lblAlarmMsgSpeedEarly, kCaption, "速", 259},
        {lblAlarmMsgSpeedSlow, kCaption, "遅", 260},
        {BitBtn1, kCaption, "ｱﾗｰﾑ･ﾀｲﾏｰの設定...", 261},
        {btnAlarmMsgPreview, kCaption, "ﾌﾟﾚﾋﾞｭｰ", 262},
        {chkReportMissed, kCaption, "見逃したアラームを知らせる", 904},
        {chkWakeUp, kCaption, "スリープ中でもアラームで起こす", 905},
        {lblSnooze, kCaption, "「あとで」は", 906},
        {lblSnoozeUnit, kCaption, "分後", 907},
        {kAlarmPreviewText, kCaption, "ｱﾗｰﾑﾒｯｾｰｼﾞのﾌﾟﾚﾋﾞｭｰ", 263},
        // 時間合わせ
        {PageBase(10), kCaption, "時間合わせ", 281},
        {lblNTPServer, kCaption, "ｻｰﾊﾞｰ", 282},
        {lblTimeOut, kCaption, "ﾀｲﾑｱｳﾄ", 283},
        {lblTimeOutSec, kCaption, "秒", 284},
        {grpRasConn, kCaption, "ﾀﾞｲﾔﾙｱｯﾌﾟ接続", 285},
        {chkAutoDial, kCaption, "自動接続", 286},
        {chkAutoHangUp, kCaption, "自動切断", 287},
        {chkErrorHangUp, kCaption, "失敗時でも切断", 288},
        {btnTimeZone, kCaption, "ﾀｲﾑｿﾞｰﾝの設定", 289},
        {btnSetTime, kCaption, "時間を設定", 290},
        {Label3, kCaption, "ﾘｽﾄのｻｰﾊﾞｰは参考に登録したものです。", 0},
        {Label4, kCaption, "失敗するときは他のｻｰﾊﾞｰを試してください。", 0},
        {chkShowResult, kCaption, "実行状態を表示する", 0},
        {chkOnlyResultMsg, kCaption, "結果のみ表示する", 0},
        {chkAutoSetTime, kCaption, "ﾀﾞｲﾔﾙｱｯﾌﾟ接続中に自動実行", 0},
    };
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
}

std::string& Target(OptionTexts& texts, const OptionText& entry) {
    if (entry.item < 0) return texts.captions[entry.id];
    std::vector<std::string>& list = texts.lists[entry.id];
    if (list.size() <= static_cast<std::size_t>(entry.item))
        list.resize(static_cast<std::size_t>(entry.item) + 1);
    return list[static_cast<std::size_t>(entry.item)];
}

// The library's hand-style entries replace the whole list. It has none for the last two
// styles: they keep their built-in entries, or a hand drawn in one of them would show no
// selection and lose its style at the first change.
void AddHandStyleText(std::vector<std::string>& list, int number, const std::string& text) {
    if (number == kFirstHandStyleText) list.clear();
    list.push_back(text);
    if (number != kLastHandStyleText) return;
    for (std::size_t k = list.size(); k < std::size(kHandStyles); ++k)
        list.push_back(kHandStyles[k]);
}

} // namespace

const std::vector<OptionText>& OptionTextTable() {
    static const std::vector<OptionText> table = BuildTable();
    return table;
}

OptionTexts BuiltInOptionTexts(TDateTime today) {
    OptionTexts texts;
    for (const OptionText& entry : OptionTextTable()) Target(texts, entry) = entry.text;
    const auto weekdays = WeekTypeEntries(today);
    texts.lists[cmbWeekType].assign(weekdays.begin(), weekdays.end());
    // The minute and second hands choose from the same styles.
    texts.lists[cmbMNeedleStyle] = texts.lists[cmbNeedleStyle];
    texts.lists[cmbSNeedleStyle] = texts.lists[cmbNeedleStyle];
    return texts;
}

void TranslateOptionTexts(const StringSource& library, OptionTexts& texts) {
    std::vector<TextReplacement> table;
    for (const OptionText& entry : OptionTextTable()) {
        if (entry.lang == 0) continue;
        // The target is found when the text arrives: a reference taken now could be moved by
        // a list that grows later.
        table.push_back({entry.lang, [&texts, entry](const std::string& text) {
                             Target(texts, entry) = text;
                         }});
        if (entry.id == lblNeedleStyle) {
            for (int n = kFirstHandStyleText; n <= kLastHandStyleText; ++n) {
                table.push_back({n, [&texts, n](const std::string& text) {
                                     AddHandStyleText(texts.lists[cmbNeedleStyle], n, text);
                                 }});
            }
        }
    }
    ApplyReplacements(library, table);
}

std::string LayerName(const OptionTexts& texts, int code) {
    const auto found = texts.lists.find(lstDspOrder);
    if (found == texts.lists.end() || code < 0 || code >= static_cast<int>(found->second.size()))
        return {};
    return found->second[static_cast<std::size_t>(code)];
}

} // namespace vistrel
