// The six clock-face pages on their real templates and controls, set up as the options dialog
// sets them up, outside the dialog.
#include <windows.h>

#include <algorithm>
#include <array>
#include <memory>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "clock/common/clock_source.h"
#include "clock/common/dialog_win.h"
#include "clock/common/wide_win.h"
#include "clock/options/dialog_control_surface_win.h"
#include "clock/options/option_face_lists.h"
#include "clock/options/option_ids.h"
#include "clock/options/option_page_setup_win.h"
#include "clock/options/option_pages.h"
#include "clock/options/screen_fonts_win.h"
#include "clock/widgets/colour_button_win.h"
#include "resources/resource.h"
#include "tests/options/every_field_changed.h"
#include "tests/options/fake_control_surface.h"
#include "tests/support/test_windows_win.h"

namespace vistrel {
namespace {

using Kind = DialogControlSurface::Kind;
using namespace oid;

constexpr int kFirstFacePage = kPageNeedle, kLastFacePage = kPageFrame;

class Page final : public Dialog {
public:
    Page(int page, HWND parent) : Dialog(IDD_OPTION_PAGE0 + page) { CreateChild(parent); }
};

class FacePages : public ::testing::Test {
protected:
    FacePages() : holder_(0, 0, 400, 200) {
        const RuntimeLists fonts = FontBoxEntries(ScreenFontList());
        std::vector<HWND> windows;
        for (int page = kFirstFacePage; page <= kLastFacePage; ++page) {
            pages_.push_back(std::make_unique<Page>(page, holder_.get()));
            SetUpOptionPage(pages_.back()->hwnd(), page, texts_, fonts);
            windows.push_back(pages_.back()->hwnd());
        }
        surface_ = std::make_unique<DialogControlSurface>(windows);
    }

    void FillFacePages(const TOptionItem& r, ControlSurface& s) {
        for (int page = kFirstFacePage; page <= kLastFacePage; ++page)
            Fill(PageBindings(page), r, s);
    }
    void ReadFacePages(const ControlSurface& s, TOptionItem& r) {
        for (int page = kFirstFacePage; page <= kLastFacePage; ++page)
            Read(PageBindings(page), s, r);
    }
    HWND Control(int id) const { return surface_->Control(id); }
    std::string ListEntry(int id, int n) const {
        const HWND box = Control(id);
        const auto length = SendMessageW(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(n), 0);
        if (length < 0) return {};
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(n),
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return Narrow(text);
    }

    test_support::StandInWindow holder_;
    OptionTexts texts_ = BuiltInOptionTexts(Now());
    std::vector<std::unique_ptr<Page>> pages_;
    std::unique_ptr<DialogControlSurface> surface_;
};

template <class... F> struct Overloaded : F... { using F::operator()...; };

// A binding that finds no control, or one of another kind, does nothing without a word.
TEST_F(FacePages, EveryBoundControlIsInItsTemplateWithItsKind) {
    for (int page = kFirstFacePage; page <= kLastFacePage; ++page) {
        for (const Bound& b : PageBindings(page)) {
            std::visit(Overloaded{
                           [&](const Check&) { EXPECT_EQ(surface_->KindOf(b.id), Kind::Button); },
                           [&](const Track&) { EXPECT_EQ(surface_->KindOf(b.id), Kind::TrackBar); },
                           [&](const ComboIndex&) {
                               const Kind kind = surface_->KindOf(b.id);
                               EXPECT_TRUE(kind == Kind::ComboBox || kind == Kind::ListBox);
                           },
                           [&](const ComboText&) {
                               EXPECT_EQ(surface_->KindOf(b.id), Kind::ComboBox);
                               // Editable: a typed name is taken as typed.
                               EXPECT_TRUE(FindWindowExW(Control(b.id), nullptr, L"Edit", nullptr));
                           },
                           [&](const ColourButton&) {
                               EXPECT_EQ(surface_->KindOf(b.id), Kind::ColourButton);
                           },
                           [&](const RadioGroup& g) {
                               for (int id = g.first_id; id < g.first_id + g.count; ++id)
                                   EXPECT_EQ(surface_->KindOf(id), Kind::Button) << id;
                           },
                           [&](const auto&) { ADD_FAILURE() << "no such control on a face page"; },
                       },
                       b.how);
            EXPECT_TRUE(Control(b.id) || std::holds_alternative<RadioGroup>(b.how)) << b.id;
        }
        for (const Rule& rule : PageRules(page))
            for (int id : rule.ids) EXPECT_TRUE(Control(id)) << id;
    }
    for (const auto& [id, caption] : texts_.captions) {
        const int page = PageOf(id);
        if (page < kFirstFacePage || page > kLastFacePage || id == PageBase(page)) continue;
        ASSERT_TRUE(Control(id)) << id;
        EXPECT_EQ(test_support::TextOf(Control(id)), caption) << id;
    }
}

TEST_F(FacePages, FillThenReadOnTheRealControls) {
    const TOptionItem changed = test::EveryFieldChanged();
    // The map-backed surface gives what the real controls must give.
    test::FakeControlSurface fake;
    FillFacePages(changed, fake);
    TOptionItem expected;
    ReadFacePages(fake, expected);

    FillFacePages(changed, *surface_);
    TOptionItem read;
    ReadFacePages(*surface_, read);
    EXPECT_EQ(read, expected);
    EXPECT_EQ(ButtonColour(Control(btnFrameE)), changed.ColorFrameE);
}

TEST_F(FacePages, OutOfRangeValuesAndTypedFonts) {
    TOptionItem r;
    r.MojiBanType = 3;
    r.NeedleStyle = 14; // the last style: its entry exists
    r.DateCharPos = 9;
    r.TimeCharPos = -2;
    FillFacePages(r, *surface_);
    EXPECT_EQ(IsDlgButtonChecked(GetParent(Control(rbtn13_24)), rbtn13_24), BST_CHECKED);
    EXPECT_FALSE(GetWindowLongW(Control(rbtn13_24), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(IsDlgButtonChecked(GetParent(Control(rbtnDateCharPosBottom)), rbtnDateCharPosBottom),
              BST_CHECKED);

    SetWindowTextW(Control(cmbMojiBanFont), L"ありえない書体 Pro");
    SetWindowTextW(Control(cmbDateCharFont), L"");
    TOptionItem read = r;
    ReadFacePages(*surface_, read);
    EXPECT_EQ(read.MojiBanType, 3);
    EXPECT_EQ(read.NeedleStyle, 14);
    EXPECT_EQ(read.DateCharPos, 3);
    EXPECT_EQ(read.TimeCharPos, 2);
    EXPECT_EQ(read.MojiBanFont, "ありえない書体 Pro");
    EXPECT_EQ(read.DateCharFont, "");
    EXPECT_EQ(read.TimeCharFont, r.TimeCharFont);
}

TEST_F(FacePages, SeparateStylesShowTheHourLabel) {
    const auto shown = [&] {
        return (GetWindowLongW(Control(lblHNeedleStyle), GWL_STYLE) & WS_VISIBLE) != 0;
    };
    TOptionItem r;
    ApplyRules(PageRules(kPageNeedle), r, Platform{}, *surface_);
    EXPECT_FALSE(shown());
    r.SepStyle = true;
    ApplyRules(PageRules(kPageNeedle), r, Platform{}, *surface_);
    EXPECT_TRUE(shown());
    EXPECT_TRUE(IsWindowEnabled(Control(cmbMNeedleStyle)));
}

TEST_F(FacePages, ListsOfTheScreenAndTheDay) {
    const std::vector<std::string> fonts = ScreenFontList();
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(std::set<std::string>(fonts.begin(), fonts.end()).size(), fonts.size());
    EXPECT_TRUE(std::none_of(fonts.begin(), fonts.end(),
                             [](const std::string& f) { return f.starts_with('@'); }));
    for (int box : {cmbMojiBanFont, cmbDateCharFont, cmbTimeCharFont}) {
        ASSERT_EQ(SendMessageW(Control(box), CB_GETCOUNT, 0, 0),
                  static_cast<LRESULT>(fonts.size()));
        EXPECT_EQ(ListEntry(box, 0), fonts.front());
        EXPECT_EQ(ListEntry(box, static_cast<int>(fonts.size()) - 1), fonts.back());
    }
    const auto weekdays = WeekTypeEntries(Now());
    ASSERT_EQ(SendMessageW(Control(cmbWeekType), CB_GETCOUNT, 0, 0), 6);
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(ListEntry(cmbWeekType, n), weekdays[static_cast<std::size_t>(n)]);
    EXPECT_EQ(SendMessageW(Control(cmbNeedleStyle), CB_GETCOUNT, 0, 0), 15);
    EXPECT_EQ(SendMessageW(Control(cmbSNeedleStyle), CB_GETCOUNT, 0, 0), 15);
}

} // namespace
} // namespace vistrel
