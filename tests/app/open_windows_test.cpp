#include "clock/app/open_windows.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>

using namespace vistrel;

// Every way in against every window that can be open: "R" runs, "x" is refused, "q" waits until
// the window closes. A new window is a new column, a new way in a new row.
TEST(OpenWindows, EveryWayInAgainstEveryOpenWindow) {
    const OpenWindow columns[] = {OpenWindow::Options,       OpenWindow::AlarmEditor,
                                  OpenWindow::StylePicker,   OpenWindow::About,
                                  OpenWindow::CommandDialog, OpenWindow::TimeAdjustment};
    const struct {
        Entry entry;
        const char* name;
        std::string outcomes; // options, editor, picker, about, command's box, adjustment
    } rows[] = {
        {Entry::Menu, "menu (face or tray)", "RRxRxR"},
        {Entry::DoubleClick, "double-click (face or tray)", "RRxRxR"},
        {Entry::OpenOptions, "options dialog", "xRxRxR"},
        {Entry::OpenAlarmEditor, "alarm list editor", "RxxRxR"},
        {Entry::OpenStylePicker, "style picker", "RRxRxR"},
        {Entry::OpenAbout, "About", "RRxxxR"},
        {Entry::AlarmFileChange, "alarm file open or add", "RxxRxR"},
        {Entry::SetTime, "set the time", "RRxRxx"},
        {Entry::OtherCommand, "any other command", "RRxRxR"},
        {Entry::OptionsChange, "a change in the options dialog", "RRxRRR"},
        {Entry::AlarmDue, "an alarm fires", "RRRRRq"},
        {Entry::SecondStart, "a second start", "RRRRRR"},
        {Entry::EndSession, "exit or the system ending", "RRRRRR"},
        {Entry::DisplayChange, "the screens change", "RRRRRR"},
        // With the editor open the snoozed timer is added to what its OK hands back.
        {Entry::Snooze, "あとで on a notice", "RRRRRR"},
    };
    static_assert(std::size(columns) == kOpenWindowKinds);
    static_assert(std::size(rows) == kEntryKinds);
    const auto letter = [](Outcome o) {
        return o == Outcome::Runs ? 'R' : o == Outcome::Queued ? 'q' : 'x';
    };
    for (const auto& row : rows) {
        std::string got;
        for (const OpenWindow w : columns) got += letter(OutcomeWith(w, row.entry));
        EXPECT_EQ(got, row.outcomes) << row.name;

        // Nothing open: everything runs. Several open: the strictest of them decides, and
        // closing one gives the others' outcome back.
        OpenWindows open;
        EXPECT_EQ(open.Allows(row.entry), Outcome::Runs) << row.name;
        for (std::size_t a = 0; a < std::size(columns); ++a) {
            for (std::size_t b = 0; b < std::size(columns); ++b) {
                OpenWindows both;
                const OpenWindows::Scope first(both, columns[a]);
                std::optional<OpenWindows::Scope> second(std::in_place, both, columns[b]);
                const char la = row.outcomes[a], lb = row.outcomes[b];
                const char strictest = la == 'x' || lb == 'x'   ? 'x'
                                       : la == 'q' || lb == 'q' ? 'q'
                                                                : 'R';
                EXPECT_EQ(letter(both.Allows(row.entry)), strictest) << row.name << " " << a << b;
                second.reset();
                EXPECT_EQ(letter(both.Allows(row.entry)), la) << row.name << " " << a << b;
            }
        }
    }
}
