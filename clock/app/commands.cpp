#include "clock/app/commands.h"

#include <array>

namespace vistrel {

namespace {
CommandState OwnState(Command command, const CommandFacts& f) {
    switch (command) {
    case kCmdTop: return {true, f.stay_on_top};
    case kCmdLock: return {true, f.locked};
    case kCmdSetTime: return {f.set_time_available, false};
    case kCmdStopSound: return {f.sound_playing, false};
    case kCmdStartupRegister: return {!f.startup_link_exists, false};
    case kCmdStartupUnregister: return {f.startup_link_exists, false};
    case kCmdAlarmView: return {f.alarm_view_allowed, false};
    default: return {};
    }
}
} // namespace

CommandState StateOf(Command command, const CommandFacts& f) {
    CommandState state = OwnState(command, f);
    if (!f.windows.Runs(EntryOf(command))) state.enabled = false;
    return state;
}

Entry EntryOf(Command command) {
    switch (command) {
    case kCmdOptions: return Entry::OpenOptions;
    case kCmdAlarmView: return Entry::OpenAlarmEditor;
    case kCmdLoadStyle: return Entry::OpenStylePicker;
    case kCmdAbout: return Entry::OpenAbout;
    case kCmdLoadAlarm:
    case kCmdAddAlarm: return Entry::AlarmFileChange;
    case kCmdSetTime: return Entry::SetTime;
    case kCmdExit: return Entry::EndSession;
    default: return Entry::OtherCommand;
    }
}

Command DoubleClickCommand(int action) {
    switch (action) {
    case 0: return kCmdErase;
    case 1: return kCmdStartScreenSaver;
    case 2: return kCmdSetTime;
    case 3: return kCmdStopSound;
    case 4: return kCmdAlarmView;
    case 5: return kCmdMinimize;
    default: return kCmdNone;
    }
}

namespace {
using K = MenuKind;
constexpr MenuEntry Item(Command c, Tx text) {
    return {K::Item, c, OriginalNumber(text), BuiltInText(text).data(), text};
}
constexpr MenuEntry Sub(Tx text) {
    return {K::Submenu, kCmdNone, OriginalNumber(text), BuiltInText(text).data(), text};
}
constexpr MenuEntry kEnd{K::EndSubmenu, kCmdNone, 0, "", Tx{}};
constexpr MenuEntry kLine{K::Separator, kCmdNone, 0, "", Tx{}};

constexpr std::array kPopupMenu = {
    Item(kCmdOptions, Tx::MenuOptions),
    Item(kCmdAlarmView, Tx::MenuAlarmView),
    Item(kCmdErase, Tx::MenuErase),
    Item(kCmdTop, Tx::MenuTop),
    Item(kCmdLock, Tx::MenuLock),
    Sub(Tx::MenuStyle),
    Item(kCmdLoadStyle, Tx::MenuStyleOpen),
    Item(kCmdSaveStyle, Tx::MenuStyleSaveAs),
    Item(kCmdOpenStyleDir, Tx::MenuStyleFolder),
    kEnd,
    Sub(Tx::MenuAlarmFile),
    Item(kCmdLoadAlarm, Tx::MenuAlarmOpen),
    Item(kCmdAddAlarm, Tx::MenuAlarmAdd),
    Item(kCmdSaveAlarm, Tx::MenuAlarmSaveAs),
    kEnd,
    kLine,
    Sub(Tx::MenuMove),
    Item(kCmdMoveTopRight, Tx::MenuTopRight),
    Item(kCmdMoveBottomRight, Tx::MenuBottomRight),
    Item(kCmdMoveTopLeft, Tx::MenuTopLeft),
    Item(kCmdMoveBottomLeft, Tx::MenuBottomLeft),
    Item(kCmdMoveCenter, Tx::MenuCenter),
    kEnd,
    Item(kCmdMinimize, Tx::MenuMinimize),
    Item(kCmdSetTime, Tx::MenuSetTime),
    Item(kCmdStopSound, Tx::MenuStopSound),
    Sub(Tx::MenuTools),
    Item(kCmdStartScreenSaver, Tx::MenuStartScreenSaver),
    Item(kCmdStartupRegister, Tx::MenuStartupRegister),
    Item(kCmdStartupUnregister, Tx::MenuStartupUnregister),
    Item(kCmdTimeDateSettings, Tx::MenuTimeDateSettings),
    kEnd,
    kLine,
    Item(kCmdHelp, Tx::MenuHelp),
    Item(kCmdAbout, Tx::MenuAbout),
    kLine,
    Item(kCmdExit, Tx::MenuExit),
};
} // namespace

std::span<const MenuEntry> PopupMenuTable() { return kPopupMenu; }

MovePlace PlaceForMove(Command command, int left, int top, int right, int bottom, int z) {
    switch (command) {
    case kCmdMoveTopRight: return {right - z, top};
    case kCmdMoveBottomRight: return {right - z, bottom - z};
    case kCmdMoveTopLeft: return {left, top};
    case kCmdMoveBottomLeft: return {left, bottom - z};
    default:
        // The middle of the work area, also when it does not start at the screen's edge
        // (a task bar on the left or at the top).
        return {(left + right - z) / 2, (top + bottom - z) / 2};
    }
}

} // namespace vistrel
