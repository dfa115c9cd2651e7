// The clock's commands and the pop-up menu that shows them. The menu, the double-click action
// and the dialogs' buttons all run commands by these numbers and ask one rule whether a command
// is enabled or checked, so that they always agree.
#pragma once

#include <span>

#include "clock/app/open_windows.h"

namespace vistrel {

enum Command : unsigned {
    kCmdNone = 0,
    kCmdErase = 100, // EraseCmd1
    kCmdTop,
    kCmdLock, // LockCmd1
    kCmdLoadStyle,
    kCmdSaveStyle,
    kCmdOpenStyleDir,
    kCmdLoadAlarm,
    kCmdAddAlarm,
    kCmdSaveAlarm,
    kCmdMoveTopRight, // the five moves in the order of their tags 1..5
    kCmdMoveBottomRight,
    kCmdMoveTopLeft,
    kCmdMoveBottomLeft,
    kCmdMoveCenter,
    kCmdMinimize,  // MinimizeCmd1
    kCmdSetTime,   // SetTimeCmd1
    kCmdStopSound, // MCIStopCmd1
    kCmdStartScreenSaver,
    kCmdStartupRegister,
    kCmdStartupUnregister,
    kCmdTimeDateSettings,
    kCmdHelp,
    kCmdAbout,
    kCmdExit,
    kCmdOptions,   // the options dialog
    kCmdAlarmView, // AlarmViewCmd1: the alarm list editor
};

// What the enabling and the check marks depend on.
struct CommandFacts {
    bool stay_on_top = true;
    bool locked = false;
    bool set_time_available = false; // the network library is there
    bool sound_playing = false;
    bool startup_link_exists = false;
    bool alarm_view_allowed = true; // the options dialog's alarm switch is on
    OpenWindows windows;            // a command the open windows refuse is disabled
};

struct CommandState {
    bool enabled = true;
    bool checked = false;
    friend bool operator==(const CommandState&, const CommandState&) = default;
};

CommandState StateOf(Command command, const CommandFacts& facts);

// The way in that a command is for the open windows' rules.
Entry EntryOf(Command command);

// The command of a double-click action (the setting DblClickAction); kCmdNone when it has none
// (yet).
Command DoubleClickCommand(int action);

// --- the pop-up menu, as one table

enum class MenuKind { Item, Separator, Submenu, EndSubmenu };

struct MenuEntry {
    MenuKind kind;
    Command command;     // items only
    int text_number;     // the language library's number of the caption; 0 for none
    const char* caption; // the built-in caption
};

// Every entry in its order; a submenu's entries follow it up to its EndSubmenu.
std::span<const MenuEntry> PopupMenuTable();

// The five move commands' places: the window of size z within the work area (left, top, right,
// bottom); the centre is the middle of the work area, also when it does not start at 0.
struct MovePlace {
    int left = 0, top = 0;
    friend bool operator==(const MovePlace&, const MovePlace&) = default;
};
MovePlace PlaceForMove(Command command, int left, int top, int right, int bottom, int z);

} // namespace vistrel
