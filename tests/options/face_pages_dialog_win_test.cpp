// The options dialog with its face pages: Cancel after one change on each of the eleven pages
// gives the clock the record back whole, and a face painter that drew every change draws the
// same face as before; the keyboard reaches every control of the face pages.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "clock/face/face_painter_win.h"
#include "clock/options/option_bindings.h"
#include "clock/options/option_dialog_win.h"
#include "clock/options/option_ids.h"
#include "clock/options/option_pages.h"
#include "clock/options/options_host.h"
#include "clock/widgets/colour_button_win.h"
#include "tests/support/dialog_driver_win.h"
#include "tests/support/test_windows_win.h"

namespace vistrel {
namespace {

using namespace oid;
namespace ts = test_support;

// The clock as far as the face goes: every record it is handed is drawn at a fixed time.
class PaintingHost : public OptionsHost {
public:
    void ApplyOptions(const TOptionItem& options) override {
        live = options;
        face = Draw(options);
    }
    void WriteSettings() override { ++writes; }
    void OptionsClosed(int) override { open = false; }
    bool CommandEnabled(SharedCommand) const override { return false; }
    void EnableCommand(SharedCommand, bool) override {}
    void RunCommand(SharedCommand) override {}
    void PreviewAlarm(const std::string&) override {}

    std::vector<std::uint32_t> Draw(const TOptionItem& options) {
        FaceRequest request;
        request.size = 200;
        request.time = FaceTimeAt(EncodeDateTime(2024, 3, 10, 10, 8, 37, 0));
        painter_.Render(options, request);
        GdiFlush();
        const DibCanvas& image = painter_.FaceBitmap();
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) pixels.push_back(image.Pixel(x, y));
        return pixels;
    }

    TOptionItem live;
    std::vector<std::uint32_t> face;
    int writes = 0;
    bool open = true;

private:
    FacePainter painter_; // one painter for the whole run, as the clock has
};

class FixedPicker : public ColourPicker {
public:
    std::optional<TColor> Pick(TColor, bool, HWND) override { return 0x00123456; }
};

TEST(OptionsCancel, OneChangeOnEveryPageThenCancelRestoresRecordAndFace) {
    ts::StandInWindow owner(0, 0, 10, 10), clock(600, 100, 200, 200);
    FixedPicker picker;
    ColourPicker* const previous = SetColourPickerForTests(&picker);

    TOptionItem stored;
    stored.SNeedle = true;
    stored.TimeChar = true;
    stored.FrameShow = true;
    PaintingHost host;
    host.live = stored;
    const std::vector<std::uint32_t> before = host.Draw(stored);

    OptionsDialogSetup setup;
    setup.owner = owner.get();
    setup.clock = clock.get();
    for (HCURSOR& cursor : setup.cursors) cursor = LoadCursorW(nullptr, IDC_ARROW);
    TfrmOption* dialog = TfrmOption::Open(host, setup, stored, 0);
    const auto control = [&](int id) { return GetDlgItem(dialog->PageWindow(PageOf(id)), id); };

    struct Change {
        const char* what;
        std::function<void()> act;
    };
    const Change changes[] = {
        {"全般: the tray icon", [&] { ts::Click(control(chkShowTray)); }},
        {"針: ﾉｰﾏﾙ(ｼﾝﾌﾟﾙ)", [&] { ts::Choose(control(cmbNeedleStyle), 9); }},
        {"針: the hour hand's colour", [&] { ts::Click(control(btnH)); }},
        {"数字: ﾛｰﾏ(Ⅰ,Ⅱ...)", [&] { ts::Click(control(rbtnArabia)); }},
        {"日付: a font that is not installed",
         [&] { ts::TypeInto(control(cmbDateCharFont), "ありえない書体"); }},
        {"時刻: bold", [&] { ts::Click(control(chkTimeCharBold)); }},
        {"ﾒﾓﾘ: the ticks' place", [&] { ts::Slide(control(trbThickPos), 50); }},
        {"枠: 八角形", [&] { ts::Choose(control(lstFrameStyle), 2); }},
        {"ﾛｯｸ: 逃げる", [&] { ts::Click(control(rbtnLockEscape)); }},
        {"ﾎﾟｲﾝﾀ: the first pointer", [&] { ts::Click(control(Panel0)); }},
        {"ｱﾗｰﾑ: alarms off", [&] { ts::Click(control(chkAlarmUse)); }},
        {"時間合わせ: another server", [&] { ts::TypeInto(control(cmbNTPServer), "ntp.example"); }},
    };
    for (const Change& change : changes) {
        const TOptionItem was = host.live;
        change.act();
        EXPECT_NE(host.live, was) << change.what;
    }
    EXPECT_EQ(host.live.NeedleStyle, 9);
    EXPECT_EQ(host.live.ColorH, 0x00123456u);
    EXPECT_EQ(host.live.MojiBanType, 1);
    EXPECT_EQ(host.live.DateCharFont, "ありえない書体");
    EXPECT_EQ(host.live.FrameStyle, 2);
    EXPECT_NE(host.face, before);

    SendMessageW(dialog->hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(host.open);
    EXPECT_EQ(host.writes, 0);
    EXPECT_EQ(host.live, stored);
    EXPECT_TRUE(host.face == before) << "the face differs after Cancel";
    SetColourPickerForTests(previous);
}

// Tab, from the tab control round to it again, passes every control of a face page that is
// enabled (here: all of them); a radio group is reached at one of its buttons.
TEST(OptionsKeyboard, TabReachesEveryControlOfTheFacePages) {
    ts::StandInWindow owner(0, 0, 10, 10), clock(600, 100, 200, 200);
    TOptionItem all_on;
    all_on.SNeedle = all_on.SepStyle = all_on.TimeChar = all_on.FrameShow = true;
    all_on.ColorChange = true;
    all_on.NeedleStyle = all_on.MStyle = all_on.SStyle = 9;
    PaintingHost host;
    OptionsDialogSetup setup;
    setup.owner = owner.get();
    setup.clock = clock.get();
    TfrmOption* dialog = TfrmOption::Open(host, setup, all_on, kPageNeedle);
    const HWND tab = GetDlgItem(dialog->hwnd(), pageOption);
    for (int page = kPageNeedle; page <= kPageFrame; ++page) {
        SCOPED_TRACE(page);
        dialog->ShowPage(page);
        std::set<int> reached;
        for (HWND c = GetNextDlgTabItem(dialog->hwnd(), tab, FALSE); c && c != tab;
             c = GetNextDlgTabItem(dialog->hwnd(), c, FALSE)) {
            if (!reached.insert(GetDlgCtrlID(c)).second) break;
        }
        for (const Bound& b : PageBindings(page)) {
            if (const auto* group = std::get_if<RadioGroup>(&b.how)) {
                bool any = false;
                for (int id = group->first_id; id < group->first_id + group->count; ++id)
                    any = any || reached.count(id);
                EXPECT_TRUE(any) << b.id;
            } else {
                EXPECT_TRUE(reached.count(b.id)) << b.id;
            }
        }
    }
    SendMessageW(dialog->hwnd(), WM_COMMAND, IDCANCEL, 0);
}

} // namespace
} // namespace vistrel
