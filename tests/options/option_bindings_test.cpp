#include "clock/options/option_bindings.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "clock/options/option_ids.h"
#include "clock/options/option_pages.h"
#include "tests/options/every_field_changed.h"
#include "tests/options/fake_control_surface.h"

namespace vistrel {
namespace {

using test::EveryFieldChanged;
using test::FakeControlSurface;

void FillAll(const TOptionItem& r, ControlSurface& s) {
    for (int page = 0; page < kOptionPageCount; ++page) Fill(PageBindings(page), r, s);
}
void ReadAll(const ControlSurface& s, TOptionItem& r) {
    for (int page = 0; page < kOptionPageCount; ++page) Read(PageBindings(page), s, r);
}

TEST(OptionBindings, FillThenReadReproducesEveryEditedField) {
    const TOptionItem changed = EveryFieldChanged();
    FakeControlSurface surface;
    FillAll(changed, surface);
    TOptionItem read; // defaults, except what no page edits
    read.Dir = changed.Dir;
    read.StyleDir = changed.StyleDir;
    read.LastDate = changed.LastDate;
    ReadAll(surface, read);
    EXPECT_EQ(read, changed);
}

// What a control shows on the fake surface, whatever its kind; a radio group by its buttons.
std::string Shown(const FakeControlSurface& s, const Bound& b) {
    std::ostringstream out;
    const auto* group = std::get_if<RadioGroup>(&b.how);
    const int first = group ? group->first_id : b.id;
    const int count = group ? group->count : 1;
    for (int id = first; id < first + count; ++id) {
        if (s.checks.count(id)) out << s.checks.at(id);
        if (s.positions.count(id)) out << s.positions.at(id);
        if (s.texts.count(id)) out << s.texts.at(id);
        if (s.selections.count(id)) out << s.selections.at(id);
        if (s.colours.count(id)) out << s.colours.at(id);
        if (s.orders.count(id))
            for (int code : s.orders.at(id)) out << code;
        out << ';';
    }
    return out.str();
}

// Otherwise a binding to the wrong field, or none, could go unseen above.
TEST(OptionBindings, EveryControlShowsTheChangedRecordDifferently) {
    FakeControlSurface defaults, changed;
    FillAll(TOptionItem{}, defaults);
    FillAll(EveryFieldChanged(), changed);
    for (int page = 0; page < kOptionPageCount; ++page)
        for (const Bound& b : PageBindings(page))
            EXPECT_NE(Shown(defaults, b), Shown(changed, b)) << b.id;
}

TEST(OptionBindings, ReadingKeepsTheFieldsOfMissingControls) {
    const TOptionItem changed = EveryFieldChanged();
    FakeControlSurface surface;
    for (int page = 0; page < kOptionPageCount; ++page) {
        for (const Bound& b : PageBindings(page)) {
            surface.missing.insert(b.id);
            if (const auto* group = std::get_if<RadioGroup>(&b.how))
                surface.missing.insert(group->first_id);
        }
    }
    TOptionItem read = changed;
    ReadAll(surface, read);
    EXPECT_EQ(read, changed);
}

TEST(OptionBindings, EveryBoundControlBelongsToItsPage) {
    for (int page = 0; page < kOptionPageCount; ++page)
        for (const Bound& b : PageBindings(page)) EXPECT_EQ(oid::PageOf(b.id), page) << b.id;
}

TEST(OptionBindings, RangesClampAndMissingEntriesShowNoSelection) {
    TOptionItem r;
    r.Trans = 5;          // below the bar
    r.TimeOut = 1000;     // above the spin edit
    r.DblClickAction = 5; // no entry
    FakeControlSurface s;
    FillAll(r, s);
    EXPECT_EQ(s.GetPosition(oid::trbTrans), 30);
    EXPECT_EQ(s.GetPosition(oid::sedtTimeOut), 300);
    EXPECT_EQ(s.GetSelection(oid::cmbDblClickAction), -1);
    s.SetPosition(oid::sedtHRange, 40); // typed beyond the spin edit
    ReadAll(s, r);
    EXPECT_EQ(r.DblClickAction, -1);
    EXPECT_EQ(r.HRange, 11);
}

// A radio group's button for a value, what a value without a button selects, and what is read.
TEST(OptionBindings, RadioGroupsOutOfRange) {
    struct Case {
        const char* name;
        int TOptionItem::*field;
        int value;
        int first_id, count;
        int checked; // -1: the buttons stay as they were
        int read_back;
    };
    const Case cases[] = {
        {"date position 9 selects 下", &TOptionItem::DateCharPos, 9, oid::rbtnDateCharPosAMPM, 4,
         oid::rbtnDateCharPosBottom, 3},
        {"time position -1 selects 下", &TOptionItem::TimeCharPos, -1, oid::rbtnTimeCharPosDateRev,
         3, oid::rbtnTimeCharPosBottom, 2},
        {"numeral set 7 selects the first", &TOptionItem::MojiBanType, 7, oid::rbtnNormal, 4,
         oid::rbtnNormal, 0},
        {"numeral set 3 selects the hidden button", &TOptionItem::MojiBanType, 3, oid::rbtnNormal,
         4, oid::rbtn13_24, 3},
        {"lock mode 4 keeps the buttons", &TOptionItem::Mode, 4, oid::rbtnLockNormal, 4, -1, 4},
        {"alarm style 3 keeps the buttons", &TOptionItem::MsgType, 3, oid::rbtnAlarmMsgNormal, 3,
         -1, 3},
        {"pointer 6 keeps the panels", &TOptionItem::PointType, 6, oid::Panel0, 6, -1, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TOptionItem r;
        r.*c.field = c.value;
        FakeControlSurface s;
        FillAll(r, s);
        for (int n = 0; n < c.count; ++n)
            EXPECT_EQ(s.GetCheck(c.first_id + n), c.first_id + n == c.checked) << n;
        TOptionItem back = r;
        ReadAll(s, back);
        EXPECT_EQ(back.*c.field, c.read_back);
    }
}

TEST(OptionBindings, StoredOrdersShowEveryLayerOnce) {
    using Order = std::array<std::uint8_t, kLayerCount>;
    const std::pair<Order, std::vector<int>> cases[] = {
        {{6, 5, 4, 3, 2, 1, 0}, {6, 5, 4, 3, 2, 1, 0}},
        {{1, 1, 2, 3, 4, 5, 6}, {0, 1, 2, 3, 4, 5, 6}},
        {{9, 3, 9, 9, 9, 9, 9}, {0, 3, 1, 2, 4, 5, 6}},
    };
    for (const auto& [stored, shown] : cases) EXPECT_EQ(ListOrder(stored), shown);
}

TEST(OptionBindings, MovingLayers) {
    struct Case {
        int selected;
        bool up;
        std::vector<int> order;
        int now_selected;
    };
    const Case cases[] = {
        {0, false, {1, 0, 2, 3, 4, 5, 6}, 1},   {3, true, {0, 1, 3, 2, 4, 5, 6}, 2},
        {0, true, {0, 1, 2, 3, 4, 5, 6}, 0},    {6, false, {0, 1, 2, 3, 4, 5, 6}, 6},
        {-1, false, {0, 1, 2, 3, 4, 5, 6}, -1},
    };
    for (const Case& c : cases) {
        int selected = c.selected;
        EXPECT_EQ(MoveLayer({0, 1, 2, 3, 4, 5, 6}, selected, c.up), c.order) << c.selected;
        EXPECT_EQ(selected, c.now_selected);
    }
}

} // namespace
} // namespace vistrel
