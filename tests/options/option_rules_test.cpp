#include <functional>

#include <gtest/gtest.h>

#include "clock/options/option_face_lists.h"
#include "clock/options/option_ids.h"
#include "clock/options/option_pages.h"
#include "tests/options/fake_control_surface.h"

namespace vistrel {
namespace {

using test::FakeControlSurface;

struct Case {
    const char* name;
    std::function<void(TOptionItem&)> change;
    Platform platform;
    int id;
    bool enabled;
};

constexpr Platform kAll{true, true, true};
constexpr Platform kNoLayers{false, true, true};
constexpr Platform kNoRas{true, false, true};
constexpr Platform k256Colours{true, true, false};

void Simple(TOptionItem& r) { r.NeedleStyle = 9; } // ﾉｰﾏﾙ(ｼﾝﾌﾟﾙ)

TEST(OptionRules, EnablingTable) {
    using namespace oid;
    const Case cases[] = {
        // 全般 and ﾛｯｸ
        {"lock without release key disables the tray box",
         [](TOptionItem& r) {
             r.Locked = true;
             r.TempKey = 0;
         },
         kAll, chkShowTray, false},
        {"Ctrl as release key enables it again",
         [](TOptionItem& r) {
             r.Locked = true;
             r.TempKey = 1;
         },
         kAll, chkShowTray, true},
        {"no layered windows: no translucency box", [](TOptionItem&) {}, kNoLayers, chkUseTrans,
         false},
        {"no layered windows: no bar even when on", [](TOptionItem& r) { r.UseTrans = true; },
         kNoLayers, trbTrans, false},
        {"translucency on enables the bar", [](TOptionItem& r) { r.UseTrans = true; }, kAll,
         trbTrans, true},
        {"lock off, no release key: modes disabled",
         [](TOptionItem& r) {
             r.Locked = false;
             r.TempKey = 0;
         },
         kAll, rbtnLockHole, false},
        {"a release key enables the modes",
         [](TOptionItem& r) {
             r.Locked = false;
             r.TempKey = 2;
         },
         kAll, rbtnLockHole, true},
        {"hole size with ﾎｰﾙ", [](TOptionItem& r) { r.Mode = 2; }, kAll, trbLockHoleSize, true},
        {"hole size not with 逃げる", [](TOptionItem& r) { r.Mode = 3; }, kAll, trbLockHoleSize,
         false},
        {"hole size not while the modes are disabled",
         [](TOptionItem& r) {
             r.Mode = 2;
             r.TempKey = 0;
         },
         kAll, trbLockHoleSize, false},
        {"escape speed with 逃げる", [](TOptionItem& r) { r.Mode = 3; }, kAll, trbLockEscapeSpeed,
         true},
        {"slow hide needs translucency", [](TOptionItem& r) { r.Mode = 1; }, kAll, chkSlowlyHide,
         false},
        {"slow hide with translucency and 隠れる",
         [](TOptionItem& r) {
             r.Mode = 1;
             r.UseTrans = true;
         },
         kAll, chkSlowlyHide, true},
        {"slow hide needs the translucency box enabled",
         [](TOptionItem& r) {
             r.Mode = 1;
             r.UseTrans = true;
         },
         kNoLayers, chkSlowlyHide, false},
        // ｱﾗｰﾑ and 時間合わせ
        {"alarm off disables the styles", [](TOptionItem& r) { r.AlarmUse = false; }, kAll,
         rbtnAlarmMsgBoard, false},
        {"interval not for the board", [](TOptionItem& r) { r.MsgType = 2; }, kAll,
         sedtAlarmMsgInterval, false},
        {"times for the board", [](TOptionItem& r) { r.MsgType = 2; }, kAll, sedtAlarmMsgTimes,
         true},
        {"board speed needs the alarm",
         [](TOptionItem& r) {
             r.MsgType = 2;
             r.AlarmUse = false;
         },
         kAll, trbAlarmMsgSpeed, false},
        {"minutes before with 分針", [](TOptionItem& r) { r.Join = 1; }, kAll, sedtMRange, true},
        {"hours before not with 分針", [](TOptionItem& r) { r.Join = 1; }, kAll, sedtHRange, false},
        {"the action is always enabled", [](TOptionItem& r) { r.AlarmUse = false; }, kAll,
         rbtnAlarmActionFlash, true},
        {"result only needs 実行状態", [](TOptionItem& r) { r.ShowResult = false; }, kAll,
         chkOnlyResultMsg, false},
        {"no dial-up without remote access", [](TOptionItem& r) { r.AutoDial = true; }, kNoRas,
         chkAutoDial, false},
        {"error hang-up without remote access", [](TOptionItem& r) { r.AutoHangUp = true; }, kNoRas,
         chkErrorHangUp, false},
        {"error hang-up follows 自動切断", [](TOptionItem& r) { r.AutoHangUp = false; }, kAll,
         chkErrorHangUp, false},
        // 針
        {"3D style has no edge colour", [](TOptionItem&) {}, kAll, btnHF, false},
        {"ﾉｰﾏﾙ(ｼﾝﾌﾟﾙ) enables the hour edge colour", Simple, kAll, btnHF, true},
        {"minute edge follows the one list", Simple, kAll, btnMF, true},
        {"second edge follows the one list",
         [](TOptionItem& r) {
             Simple(r);
             r.SNeedle = true;
         },
         kAll, btnSF, true},
        {"no second hand, no second edge", Simple, kAll, btnSF, false},
        {"separate styles: minute edge by its own style",
         [](TOptionItem& r) {
             Simple(r);
             r.SepStyle = true;
             r.MStyle = 0;
         },
         kAll, btnMF, false},
        {"separate styles: second edge by its own style",
         [](TOptionItem& r) {
             r.SepStyle = true;
             r.SNeedle = true;
             r.SStyle = 12;
         },
         kAll, btnSF, true},
        {"minute style box needs 個別に設定する", [](TOptionItem&) {}, kAll, cmbMNeedleStyle,
         false},
        {"second style box needs the second hand", [](TOptionItem& r) { r.SepStyle = true; }, kAll,
         cmbSNeedleStyle, false},
        {"second hand width with the second hand", [](TOptionItem& r) { r.SNeedle = true; }, kAll,
         trbSNeedleW, true},
        // 数字
        {"256 colours: no numeral gradation", [](TOptionItem&) {}, k256Colours, chkGuradeshon,
         false},
        {"256 colours: no second numeral colour", [](TOptionItem&) {}, k256Colours, btnB2, false},
        {"256 colours: no second shadow colour", [](TOptionItem&) {}, k256Colours, btnBS2, false},
        {"gradation and shadow: second shadow colour", [](TOptionItem&) {}, kAll, btnBS2, true},
        {"no shadow: no shadow colour", [](TOptionItem& r) { r.MojiBanShadow = false; }, kAll,
         btnBS1, false},
        {"circled set: no pitch", [](TOptionItem& r) { r.MojiBanType = 2; }, kAll, chkMojiBanPitch,
         false},
        {"circled set: no pitch width", [](TOptionItem& r) { r.MojiBanType = 2; }, kAll,
         trbMojiBanPitchWidth, false},
        {"pitch off: no pitch width", [](TOptionItem& r) { r.MojiBanPitch = false; }, kAll,
         trbMojiBanPitchWidth, false},
        {"numerals off disable the font", [](TOptionItem& r) { r.MojiBan = false; }, kAll,
         cmbMojiBanFont, false},
        {"numerals off leave their own box", [](TOptionItem& r) { r.MojiBan = false; }, kAll,
         chkMojiBan, true},
        // 日付 and 時刻
        {"date off disables the format", [](TOptionItem& r) { r.DateChar = false; }, kAll,
         cmbDateForm, false},
        {"date shadow colour needs 影", [](TOptionItem& r) { r.DateCharShadow = false; }, kAll,
         btnDS, false},
        {"time off disables its position", [](TOptionItem&) {}, kAll, rbtnTimeCharPosUp, false},
        {"time on with shadow: shadow colour", [](TOptionItem& r) { r.TimeChar = true; }, kAll,
         btnTimeS, true},
        // ﾒﾓﾘ
        {"ticks off with colour change: minute tick colour off",
         [](TOptionItem& r) {
             r.MajorThick = false;
             r.ColorChange = true;
         },
         kAll, btnT, false},
        {"ticks off with colour change: minute tick size off",
         [](TOptionItem& r) {
             r.MajorThick = false;
             r.ColorChange = true;
         },
         kAll, trbThickSize, false},
        {"minute ticks off, colour change on: colour on",
         [](TOptionItem& r) {
             r.MinorThick = false;
             r.ColorChange = true;
         },
         kAll, btnT, true},
        {"minute ticks off, colour change on: size on",
         [](TOptionItem& r) {
             r.MinorThick = false;
             r.ColorChange = true;
         },
         kAll, trbThickSize, true},
        {"minute ticks and colour change off", [](TOptionItem& r) { r.MinorThick = false; }, kAll,
         btnT, false},
        {"256 colours: no tick gradation", [](TOptionItem&) {}, k256Colours, chkThickGuradeshon,
         false},
        {"256 colours: no second minute tick colour", [](TOptionItem&) {}, k256Colours, btnT2,
         false},
        {"256 colours: no second five-minute colour", [](TOptionItem&) {}, k256Colours, btn52,
         false},
        {"tick position always", [](TOptionItem& r) { r.MajorThick = false; }, kAll, trbThickPos,
         true},
        // 枠
        {"frame off disables its style", [](TOptionItem&) {}, kAll, lstFrameStyle, false},
        {"frame on enables its colour", [](TOptionItem& r) { r.FrameShow = true; }, kAll, btnFrameE,
         true},
    };
    for (const Case& c : cases) {
        TOptionItem r;
        c.change(r);
        FakeControlSurface s;
        for (int page = 0; page < kOptionPageCount; ++page)
            ApplyRules(PageRules(page), r, c.platform, s);
        EXPECT_EQ(s.Enabled(c.id), c.enabled) << c.name;
    }
}

TEST(OptionRules, VisibilityTable) {
    struct VisibleCase {
        bool separate;
        int id;
        bool visible;
    };
    const VisibleCase cases[] = {
        {true, oid::lblHNeedleStyle, true},
        {false, oid::lblHNeedleStyle, false},
        {true, oid::rbtn13_24, false},
        {true, oid::chkAutoSetTime, false},
    };
    for (const VisibleCase& c : cases) {
        TOptionItem r;
        r.SepStyle = c.separate;
        FakeControlSurface s;
        for (int page = 0; page < kOptionPageCount; ++page) ApplyRules(PageRules(page), r, kAll, s);
        EXPECT_EQ(s.Visible(c.id), c.visible) << c.id;
    }
}

TEST(OptionFaceLists, FontListFilterKeepsEnumerationOrder) {
    const EnumeratedFont fonts[] = {
        {"Zeta", true, kAnsiCharset},
        {"@ＭＳ ゴシック", true, kShiftJisCharset},
        {"ＭＳ ゴシック", true, kShiftJisCharset},
        {"Bitmap", false, kAnsiCharset},
        {"Symbolic", true, 2},
        {"Alpha", true, kAnsiCharset},
    };
    EXPECT_EQ(FontList(fonts), (std::vector<std::string>{"Zeta", "ＭＳ ゴシック", "Alpha"}));
}

TEST(OptionFaceLists, WeekdayEntries) {
    EXPECT_EQ(WeekTypeEntries(EncodeDate(2024, 3, 10)), // a Sunday
              (std::array<std::string, 6>{"(なし)", "SUN", "SU", "Sun", "Su", "日"}));
    EXPECT_EQ(WeekTypeEntries(EncodeDateTime(2009, 11, 28, 23, 59, 0, 0))[5], "土");
}

} // namespace
} // namespace vistrel
