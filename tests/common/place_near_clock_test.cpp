#include "clock/common/place_near_clock.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(PlaceNearClock, KeepsTheDialogBesideTheClockAndOnTheScreen) {
    const Size screen{1024, 768};
    const Size dialog{329, 246};
    struct Case {
        const char* what;
        Rect clock;
        Point expected;
    };
    const Case cases[] = {
        {"below, from the clock's middle", Rect::Sized(300, 200, 133, 133), {366, 333}},
        {"at the right edge: flush right", Rect::Sized(891, 0, 133, 133), {1024 - 329, 133}},
        {"exactly fits at the right", Rect::Sized(629, 0, 133, 133), {695, 133}},
        {"at the bottom: above the clock", Rect::Sized(300, 635, 133, 133), {366, 635 - 246}},
        {"exactly fits at the bottom", Rect::Sized(300, 389, 133, 133), {366, 522}},
        {"left of the screen: at 0", Rect::Sized(-40, 200, 133, 133), {0, 333}},
        {"at the left edge: at 0", Rect::Sized(0, 200, 133, 133), {0, 333}},
        {"large clock, no room above or below: its middle",
         Rect::Sized(300, 100, 600, 600),
         {600, 400}},
        {"odd size: halves truncate", Rect::Sized(301, 200, 135, 135), {368, 335}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceNearClock(c.clock, dialog, screen), c.expected) << c.what;
    }
}
