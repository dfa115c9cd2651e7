#include "clock/app/open_windows.h"

namespace vistrel {

namespace {

// The user starting something from the clock: its menu, its double-click, its commands.
bool StartedFromTheClock(Entry entry) {
    switch (entry) {
    case Entry::Menu:
    case Entry::DoubleClick:
    case Entry::OpenOptions:
    case Entry::OpenAlarmEditor:
    case Entry::OpenStylePicker:
    case Entry::OpenAbout:
    case Entry::AlarmFileChange:
    case Entry::SetTime:
    case Entry::OtherCommand: return true;
    default: return false;
    }
}

} // namespace

Outcome OutcomeWith(OpenWindow window, Entry entry) {
    switch (window) {
    case OpenWindow::Options:
        // One options dialog; the menu's entry only places it again.
        return entry == Entry::OpenOptions ? Outcome::Refused : Outcome::Runs;
    case OpenWindow::AlarmEditor:
        // One editor. Its OK replaces the clock's list with its copies, so a file opened or
        // added meanwhile would be thrown away without a word.
        return entry == Entry::OpenAlarmEditor || entry == Entry::AlarmFileChange ? Outcome::Refused
                                                                                  : Outcome::Runs;
    case OpenWindow::StylePicker:
        // Its Cancel puts back the record it copied: anything the user changed meanwhile (a
        // second picker's choice, a change in the options dialog) would be undone with it.
        return StartedFromTheClock(entry) || entry == Entry::OptionsChange ? Outcome::Refused
                                                                           : Outcome::Runs;
    case OpenWindow::About: return entry == Entry::OpenAbout ? Outcome::Refused : Outcome::Runs;
    case OpenWindow::CommandDialog:
        // The command waits for the user's answer; nothing else starts from the clock meanwhile.
        return StartedFromTheClock(entry) ? Outcome::Refused : Outcome::Runs;
    case OpenWindow::TimeAdjustment:
        // An alarm's effect would run inside the wait for the server's reply, and the clock
        // would be set late by as long as it ran; the alarm fires once the adjustment is done.
        if (entry == Entry::AlarmDue) return Outcome::Queued;
        return entry == Entry::SetTime ? Outcome::Refused : Outcome::Runs;
    }
    return Outcome::Runs;
}

Outcome OpenWindows::Allows(Entry entry) const {
    Outcome strictest = Outcome::Runs;
    for (int w = 0; w < kOpenWindowKinds; ++w) {
        if (count_[static_cast<std::size_t>(w)] == 0) continue;
        const Outcome o = OutcomeWith(static_cast<OpenWindow>(w), entry);
        if (static_cast<int>(o) > static_cast<int>(strictest)) strictest = o;
    }
    return strictest;
}

} // namespace vistrel
