// The face pages as a user meets them: a stored record is shown, one control is changed, and
// the change handler runs; what the controls then allow and what reaches the clock.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "clock/options/option_ids.h"
#include "clock/options/option_pages.h"
#include "clock/options/options_session.h"
#include "tests/options/fake_control_surface.h"
#include "tests/support/quiet_options_host.h"

namespace vistrel {
namespace {

using test::FakeControlSurface;
using namespace oid;

// Only what reaches the clock matters here.
class ApplyingHost : public vistrel::test::QuietOptionsHost {
public:
    void ApplyOptions(const TOptionItem& options) override { applied = options; }
    std::optional<TOptionItem> applied;
};

constexpr Platform kDeep{true, true, true};
constexpr Platform k256Colours{true, true, false};

struct Case {
    const char* name;
    std::function<void(TOptionItem&)> stored;
    Platform platform;
    // What the user does; nothing: the dialog has only been shown.
    std::function<void(FakeControlSurface&)> user;
    std::vector<std::pair<int, bool>> enabled;
    std::vector<std::pair<int, bool>> visible;
    // What the clock was handed; not asked when the user did nothing.
    std::function<bool(const TOptionItem&)> applied;
};

void Keep(TOptionItem&) {}
void SecondHand(TOptionItem& r) { r.SNeedle = true; }
void ClickRadio(FakeControlSurface& s, int first, int count, int chosen) {
    for (int id = first; id < first + count; ++id) s.checks[id] = id == chosen;
}

TEST(OptionFacePages, EdgeCases) {
    const Case cases[] = {
        {"ﾉｰﾏﾙ(3D): no hand has an edge colour",
         SecondHand,
         kDeep,
         nullptr,
         {{lblNeedleFrameColor, false}, {btnHF, false}, {btnMF, false}, {btnSF, false}},
         {},
         nullptr},
        {"ﾉｰﾏﾙ(3D) to ﾉｰﾏﾙ(ｼﾝﾌﾟﾙ): the hour edge colour, and the other hands follow the one list",
         SecondHand,
         kDeep,
         [](FakeControlSurface& s) { s.selections[cmbNeedleStyle] = 9; },
         {{lblNeedleFrameColor, true}, {btnHF, true}, {btnMF, true}, {btnSF, true}},
         {{lblHNeedleStyle, false}},
         [](const TOptionItem& r) { return r.NeedleStyle == 9 && !r.SepStyle; }},
        {"ｼﾝﾌﾟﾙ without the second hand: no second edge colour",
         [](TOptionItem& r) { r.NeedleStyle = 9; },
         kDeep,
         nullptr,
         {{btnHF, true}, {btnMF, true}, {btnSF, false}},
         {},
         nullptr},
        {"個別に設定する: 時 shows and each hand's edge follows its own style",
         [](TOptionItem& r) {
             SecondHand(r);
             r.NeedleStyle = 9;
             r.SStyle = 14;
         },
         kDeep,
         [](FakeControlSurface& s) { s.checks[chkSepNeedleStyle] = true; },
         {{cmbMNeedleStyle, true},
          {cmbSNeedleStyle, true},
          {btnHF, true},
          {btnMF, false},
          {btnSF, true}},
         {{lblHNeedleStyle, true}},
         [](const TOptionItem& r) { return r.SepStyle && r.MStyle == 0 && r.SStyle == 14; }},
        {"256 colours: both gradations and their second colours off, though stored on",
         Keep,
         k256Colours,
         nullptr,
         {{chkGuradeshon, false},
          {lblB2, false},
          {btnB2, false},
          {lblBS2, false},
          {btnBS2, false},
          {chkThickGuradeshon, false},
          {lbl52, false},
          {btn52, false},
          {lblT2, false},
          {btnT2, false},
          {btnB1, true},
          {btnBS1, true},
          {btn5, true},
          {btnT, true}},
         {},
         nullptr},
        {"gradation on a deep screen: the second colours on",
         Keep,
         kDeep,
         nullptr,
         {{btnB2, true}, {btnBS2, true}, {btn52, true}, {btnT2, true}},
         {},
         nullptr},
        {"ticks off with 秒の色を変える on: the minute-tick controls stay off",
         [](TOptionItem& r) { r.ColorChange = true; },
         kDeep,
         [](FakeControlSurface& s) { s.checks[chkMajorThick] = false; },
         {{chkMinorThick, false},
          {chkThickColorChange, false},
          {btnT, false},
          {lblThickSize, false},
          {trbThickSize, false},
          {btnT2, false},
          {trbThickPos, true}},
         {},
         [](const TOptionItem& r) { return !r.MajorThick && r.ColorChange; }},
        {"分メモリを表示 off with 秒の色を変える on: the minute-tick controls on",
         Keep,
         kDeep,
         [](FakeControlSurface& s) {
             s.checks[chkMinorThick] = false;
             s.checks[chkThickColorChange] = true;
         },
         {{btnT, true},
          {lblThickSize, true},
          {trbThickSize, true},
          {btnT2, true},
          {btnThickColorChange, true}},
         {},
         [](const TOptionItem& r) { return !r.MinorThick && r.ColorChange; }},
        {"both off: the minute-tick controls off",
         Keep,
         kDeep,
         [](FakeControlSurface& s) { s.checks[chkMinorThick] = false; },
         {{btnT, false}, {trbThickSize, false}, {btnThickColorChange, false}},
         {},
         [](const TOptionItem& r) { return !r.MinorThick && !r.ColorChange; }},
        {"a stored fourth numeral set selects the hidden button and stays 3",
         [](TOptionItem& r) { r.MojiBanType = 3; },
         kDeep,
         [](FakeControlSurface& s) { s.checks[chkMojiBanBold] = true; },
         {{chkMojiBanPitch, true}},
         {{rbtn13_24, false}},
         [](const TOptionItem& r) { return r.MojiBanType == 3 && r.MojiBanBold; }},
        {"丸付 takes the pitch away",
         Keep,
         kDeep,
         [](FakeControlSurface& s) { ClickRadio(s, rbtnNormal, 4, rbtnMarutuki); },
         {{chkMojiBanPitch, false}, {trbMojiBanPitchWidth, false}, {chkMojiBanAll, true}},
         {},
         [](const TOptionItem& r) { return r.MojiBanType == 2; }},
        {"ﾛｰﾏ(Ⅰ,Ⅱ...) chosen",
         Keep,
         kDeep,
         [](FakeControlSurface& s) { ClickRadio(s, rbtnNormal, 4, rbtnArabia); },
         {{chkMojiBanPitch, true}, {trbMojiBanPitchWidth, true}},
         {},
         [](const TOptionItem& r) { return r.MojiBanType == 1; }},
        {"a font name that is not installed is stored as typed",
         Keep,
         kDeep,
         [](FakeControlSurface& s) {
             s.texts[cmbMojiBanFont] = "ありえない書体 Pro";
             s.texts[cmbTimeCharFont] = "";
         },
         {},
         {},
         [](const TOptionItem& r) {
             return r.MojiBanFont == "ありえない書体 Pro" && r.TimeCharFont.empty() &&
                    r.DateCharFont == kDefaultFontName;
         }},
        {"a date position without a button shows 下 and is read as 下",
         [](TOptionItem& r) { r.DateCharPos = 7; },
         kDeep,
         [](FakeControlSurface& s) { s.checks[chkDateCharBold] = true; },
         {},
         {},
         [](const TOptionItem& r) { return r.DateCharPos == 3; }},
        {"date and time shadow colours need 影",
         Keep,
         kDeep,
         [](FakeControlSurface& s) {
             s.checks[chkDateCharShadow] = false;
             s.checks[chkTimeChar] = true;
         },
         {{btnDS, false}, {btnD, true}, {btnTimeS, true}, {cmbTimeCharFont, true}},
         {},
         [](const TOptionItem& r) { return r.TimeChar && !r.DateCharShadow; }},
        {"八角形 with the frame on",
         Keep,
         kDeep,
         [](FakeControlSurface& s) {
             s.checks[chkFrame] = true;
             s.selections[lstFrameStyle] = 2;
         },
         {{lstFrameStyle, true}, {btnFrameE, true}, {trbFramePos, true}},
         {},
         [](const TOptionItem& r) { return r.FrameShow && r.FrameStyle == 2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TOptionItem stored;
        c.stored(stored);
        ApplyingHost host;
        FakeControlSurface surface;
        OptionsSession session(host, surface, c.platform, stored, kPageNeedle);
        session.Show();
        if (c.user) {
            c.user(surface);
            session.Change();
            ASSERT_TRUE(host.applied);
            EXPECT_TRUE(c.applied(*host.applied));
        }
        for (const auto& [id, on] : c.enabled) EXPECT_EQ(surface.Enabled(id), on) << id;
        for (const auto& [id, on] : c.visible) EXPECT_EQ(surface.Visible(id), on) << id;
    }
}

} // namespace
} // namespace vistrel
