#include "clock/common/placement.h"

#include <gtest/gtest.h>

#include <vector>

#include "clock/app/commands.h"

using namespace vistrel;

namespace {
using Layout = std::vector<Monitor>;

Monitor Screen(int left, int top, int width, int height, Rect work = {}) {
    const Rect bounds = Rect::Sized(left, top, width, height);
    return {bounds, work.width() ? work : bounds};
}

// One monitor with the task bar at the bottom.
const Monitor kPrimary = Screen(0, 0, 1024, 768, {0, 0, 1024, 738});
const Layout kOne{kPrimary};
// A second monitor on the right, its task bar on its right edge.
const Layout kSide{kPrimary, Screen(1024, 0, 800, 600, {1024, 0, 1764, 600})};
// A second monitor above the primary one, its task bar at its top.
const Layout kStacked{kPrimary, Screen(100, -600, 800, 600, {100, -570, 900, 0})};
// A larger second monitor left of and above the primary one, its task bar on its left edge.
const Layout kLeft{kPrimary, Screen(-1280, -200, 1280, 1024, {-1220, -200, 0, 824})};

enum class Rule { Dialog, Log, Notice, TopRight, BottomLeft, Centre, Return };

Point Apply(Rule rule, const Layout& before, const Rect& clock, const Layout& after) {
    const Monitor& m = before[MonitorIndexFor(before, clock)];
    const auto move = [&](Command c) {
        const MovePlace p =
            PlaceForMove(c, m.work.left, m.work.top, m.work.right, m.work.bottom, clock.width());
        return Point{p.left, p.top};
    };
    switch (rule) {
    case Rule::Dialog: return PlaceNearClock(clock, {329, 246}, m.bounds);
    case Rule::Log: return PlaceInfoWindow(clock, {189, 160}, m.bounds);
    case Rule::Notice: return CentreOn(m.bounds, {367, 112});
    case Rule::TopRight: return move(kCmdMoveTopRight);
    case Rule::BottomLeft: return move(kCmdMoveBottomLeft);
    case Rule::Centre: return move(kCmdMoveCenter);
    case Rule::Return: {
        const Anchor a = UpdateAnchor(clock, m.bounds, {});
        return AfterScreensChanged(clock, a, m.bounds, after).clock.origin();
    }
    }
    return {};
}
} // namespace

TEST(Placement, EveryWindowGoesOnTheClocksMonitor) {
    struct Case {
        const char* what;
        Layout layout;
        Rect clock;
        Rule rule;
        Point expected;
        Layout after = {};
    };
    const Rect c133 = Rect::Sized(300, 200, 133, 133);
    const Case cases[] = {
        // Dialogs beside the clock on one monitor.
        {"dialog below, from the clock's middle", kOne, c133, Rule::Dialog, {366, 333}},
        {"dialog at the right edge: flush right",
         kOne,
         Rect::Sized(891, 0, 133, 133),
         Rule::Dialog,
         {1024 - 329, 133}},
        {"dialog exactly fits at the right",
         kOne,
         Rect::Sized(629, 0, 133, 133),
         Rule::Dialog,
         {695, 133}},
        {"dialog at the bottom: above the clock",
         kOne,
         Rect::Sized(300, 635, 133, 133),
         Rule::Dialog,
         {366, 635 - 246}},
        {"dialog exactly fits at the bottom",
         kOne,
         Rect::Sized(300, 389, 133, 133),
         Rule::Dialog,
         {366, 522}},
        {"dialog, clock left of the screen: at 0",
         kOne,
         Rect::Sized(-40, 200, 133, 133),
         Rule::Dialog,
         {0, 333}},
        {"dialog, large clock with no room above or below: its middle",
         kOne,
         Rect::Sized(300, 100, 600, 600),
         Rule::Dialog,
         {600, 400}},
        {"dialog, odd size: halves truncate",
         kOne,
         Rect::Sized(301, 200, 135, 135),
         Rule::Dialog,
         {368, 335}},
        // ... and on a second monitor.
        {"dialog flush with the right monitor's right edge",
         kSide,
         Rect::Sized(1691, 0, 133, 133),
         Rule::Dialog,
         {1824 - 329, 133}},
        {"dialog above a clock at the right monitor's bottom",
         kSide,
         Rect::Sized(1200, 467, 133, 133),
         Rule::Dialog,
         {1266, 467 - 246}},
        {"dialog at the left edge of the right monitor, not on the primary",
         kSide,
         Rect::Sized(1000, 200, 133, 133),
         Rule::Dialog,
         {1024, 333}},
        {"dialog flush right on the upper monitor",
         kStacked,
         Rect::Sized(767, -500, 133, 133),
         Rule::Dialog,
         {900 - 329, -367}},
        {"dialog above a clock at the upper monitor's bottom",
         kStacked,
         Rect::Sized(300, -133, 133, 133),
         Rule::Dialog,
         {366, -133 - 246}},
        {"dialog on a monitor at negative coordinates, at its left edge and above",
         kLeft,
         Rect::Sized(-1300, 600, 133, 133),
         Rule::Dialog,
         {-1280, 354}},
        {"dialog above a clock at the bottom of the left monitor",
         kLeft,
         Rect::Sized(-500, 691, 133, 133),
         Rule::Dialog,
         {-434, 691 - 246}},
        {"dialog flush right on the left monitor",
         kLeft,
         Rect::Sized(-133, 0, 133, 133),
         Rule::Dialog,
         {-329, 133}},
        {"dialog below the clock's middle on the upper monitor, which is taller than needed",
         kStacked,
         Rect::Sized(300, -599, 120, 120),
         Rule::Dialog,
         {360, -479}},
        {"dialog with no room above on the upper monitor: the clock's middle",
         kStacked,
         Rect::Sized(300, -580, 500, 500),
         Rule::Dialog,
         {550, -330}},
        // The time adjustment log.
        {"log left of the clock", kOne, Rect::Sized(500, 300, 120, 120), Rule::Log, {311, 300}},
        {"log exactly fits on the left", kOne, Rect::Sized(189, 0, 120, 120), Rule::Log, {0, 0}},
        {"log right of a clock at the left edge",
         kOne,
         Rect::Sized(188, 300, 120, 120),
         Rule::Log,
         {308, 300}},
        {"log lifted at the bottom", kOne, Rect::Sized(500, 700, 120, 60), Rule::Log, {311, 608}},
        {"log at the top for a clock above the screen",
         kOne,
         Rect::Sized(500, -40, 120, 120),
         Rule::Log,
         {311, 0}},
        {"log right of a clock at the right monitor's left edge",
         kSide,
         Rect::Sized(1100, 300, 120, 120),
         Rule::Log,
         {1220, 300}},
        {"log lifted at the right monitor's bottom",
         kSide,
         Rect::Sized(1500, 500, 120, 60),
         Rule::Log,
         {1311, 440}},
        {"log at the top of the upper monitor",
         kStacked,
         Rect::Sized(500, -640, 120, 120),
         Rule::Log,
         {311, -600}},
        // The alarm notices in the middle of the clock's monitor.
        {"notice on the primary", kOne, c133, Rule::Notice, {328, 328}},
        {"notice on the right monitor",
         kSide,
         Rect::Sized(1500, 10, 133, 133),
         Rule::Notice,
         {1240, 244}},
        {"notice on the left monitor",
         kLeft,
         Rect::Sized(-500, 10, 133, 133),
         Rule::Notice,
         {-824, 256}},
        // The moves, in the work area of the clock's monitor.
        {"top right on the right monitor, its task bar on the right",
         kSide,
         Rect::Sized(1100, 300, 133, 133),
         Rule::TopRight,
         {1764 - 133, 0}},
        {"bottom left on the upper monitor, its task bar at the top",
         kStacked,
         Rect::Sized(300, -300, 133, 133),
         Rule::BottomLeft,
         {100, -133}},
        {"centre of the left monitor, its task bar on the left",
         kLeft,
         Rect::Sized(-500, 10, 133, 133),
         Rule::Centre,
         {-676, 245}},
        {"a clock across two monitors moves on the one holding most of it",
         kSide,
         Rect::Sized(1000, 300, 133, 133),
         Rule::TopRight,
         {1631, 0}},
        {"a clock off every monitor moves on the nearest",
         kLeft,
         Rect::Sized(-400, -900, 133, 133),
         Rule::TopRight,
         {-133, -200}},
        // The return after the screens changed.
        {"bottom-right anchor on one screen that grows",
         kOne,
         Rect::Sized(881, 625, 133, 133),
         Rule::Return,
         {1137, 881},
         {Screen(0, 0, 1280, 1024)}},
        {"top-right anchor on one screen that shrinks",
         kOne,
         Rect::Sized(891, 5, 133, 133),
         Rule::Return,
         {667, 5},
         {Screen(0, 0, 800, 600)}},
        {"bottom-right anchor on the right monitor when it grows",
         kSide,
         Rect::Sized(1681, 457, 133, 133),
         Rule::Return,
         {1024 + 1280 - 143, 1024 - 143},
         {kPrimary, Screen(1024, 0, 1280, 1024)}},
        {"bottom-right anchor when the primary grows and pushes the right monitor",
         kSide,
         Rect::Sized(1681, 457, 133, 133),
         Rule::Return,
         {1280 + 800 - 143, 600 - 143},
         {Screen(0, 0, 1280, 1024), Screen(1280, 0, 800, 600)}},
        {"right monitor gone: its corner distance on the primary",
         kSide,
         Rect::Sized(1681, 457, 133, 133),
         Rule::Return,
         {1024 - 143, 768 - 143},
         {kPrimary}},
        {"upper monitor gone, clock in its middle: the same place on the primary",
         kStacked,
         Rect::Sized(300, -300, 133, 133),
         Rule::Return,
         {200, 300},
         {kPrimary}},
        {"a clock with no corner stays when its monitor stays",
         kSide,
         Rect::Sized(1300, 200, 133, 133),
         Rule::Return,
         {1300, 200},
         {kPrimary, Screen(1024, 0, 800, 600)}},
        {"top-left anchor of the left monitor after it moved",
         kLeft,
         Rect::Sized(-1270, -190, 133, 133),
         Rule::Return,
         {-1014, -190},
         {kPrimary, Screen(-1024, -200, 1024, 768)}},
        {"a corner distance larger than the new screen: kept on it",
         kOne,
         Rect::Sized(10, 600, 133, 133),
         Rule::Return,
         {10, 0},
         {Screen(0, 0, 640, 100)}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Apply(c.rule, c.layout, c.clock, c.after), c.expected) << c.what;
    }
}

TEST(Placement, ChangesInARowKeepTheCornerOfTheScreenTheClockWentTo) {
    const Rect clock = Rect::Sized(881, 625, 133, 133);
    Anchor anchor = UpdateAnchor(clock, kPrimary.bounds, {});
    ScreenChange change =
        AfterScreensChanged(clock, anchor, kPrimary.bounds, Layout{Screen(0, 0, 1280, 1024)});
    anchor = UpdateAnchor(change.clock, change.screen, anchor);
    change =
        AfterScreensChanged(change.clock, anchor, change.screen, Layout{Screen(0, 0, 800, 600)});
    EXPECT_EQ(change.clock, Rect::Sized(657, 457, 133, 133));
}

TEST(Placement, MeasuresScaleWithTheDpiAndComeBackUnchanged) {
    struct Case {
        int px, dpi, scaled;
    };
    const Case cases[] = {
        {133, 96, 133},  {133, 144, 200}, {133, 120, 166}, {367, 144, 551}, {112, 144, 168},
        {189, 168, 331}, {-10, 144, -15}, {1, 144, 2},     {0, 192, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Scale(c.px, c.dpi), c.scaled) << c.px << " at " << c.dpi;
        // A size read back from the window is the stored one again (at 96 DPI or more).
        EXPECT_EQ(Unscale(Scale(c.px, c.dpi), c.dpi), c.px) << c.px << " at " << c.dpi;
    }
    EXPECT_EQ(Unscale(200, 0), 200); // no DPI known: taken as it is
}

TEST(Placement, KeptWithinMovesTheLeastAndKeepsTheSize) {
    const Rect area{100, 50, 500, 350};
    struct Case {
        Rect in, out;
    };
    const Case cases[] = {
        {Rect::Sized(200, 100, 50, 50), Rect::Sized(200, 100, 50, 50)},
        {Rect::Sized(480, 340, 50, 50), Rect::Sized(450, 300, 50, 50)},
        {Rect::Sized(-900, -900, 50, 50), Rect::Sized(100, 50, 50, 50)},
        {Rect::Sized(300, 100, 600, 50), Rect::Sized(100, 100, 600, 50)}, // wider: left edge
    };
    for (const Case& c : cases) EXPECT_EQ(KeptWithin(c.in, area), c.out);
}
