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
constexpr MenuEntry Item(Command c, int number, const char* caption) {
    return {K::Item, c, number, caption};
}
constexpr MenuEntry Sub(int number, const char* caption) {
    return {K::Submenu, kCmdNone, number, caption};
}
constexpr MenuEntry kEnd{K::EndSubmenu, kCmdNone, 0, ""};
constexpr MenuEntry kLine{K::Separator, kCmdNone, 0, ""};

constexpr std::array kPopupMenu = {
    Item(kCmdOptions, 1, "ｵﾌﾟｼｮﾝ(&O)..."),
    Item(kCmdAlarmView, 2, "ｱﾗｰﾑ･ﾀｲﾏｰの設定..."),
    Item(kCmdErase, 3, "残像を消す"),
    Item(kCmdTop, 4, "常に手前に表示"),
    Item(kCmdLock, 5, "ﾛｯｸ(&L)"),
    Sub(0, "ｽﾀｲﾙﾃﾞｰﾀ"),
    Item(kCmdLoadStyle, 0, "開く..."),
    Item(kCmdSaveStyle, 0, "名前をつけて保存..."),
    Item(kCmdOpenStyleDir, 0, "ﾌｫﾙﾀﾞを開く"),
    kEnd,
    Sub(0, "ｱﾗｰﾑ情報"),
    Item(kCmdLoadAlarm, 0, "開く..."),
    Item(kCmdAddAlarm, 0, "追加読み込み"),
    Item(kCmdSaveAlarm, 0, "名前をつけて保存..."),
    kEnd,
    kLine,
    Sub(6, "移動"),
    Item(kCmdMoveTopRight, 16, "右上"),
    Item(kCmdMoveBottomRight, 17, "右下"),
    Item(kCmdMoveTopLeft, 18, "左上"),
    Item(kCmdMoveBottomLeft, 19, "左下"),
    Item(kCmdMoveCenter, 20, "中央"),
    kEnd,
    Item(kCmdMinimize, 7, "最小化(&N)"),
    Item(kCmdSetTime, 8, "時間を設定"),
    Item(kCmdStopSound, 11, "ｱﾗｰﾑｻｳﾝﾄﾞの停止"),
    Sub(0, "ﾂｰﾙ"),
    Item(kCmdStartScreenSaver, 9, "ｽｸﾘｰﾝｾｰﾊﾞｰ起動"),
    Item(kCmdStartupRegister, 10, "ｽﾀｰﾄｱｯﾌﾟへ登録"),
    Item(kCmdStartupUnregister, 0, "ｽﾀｰﾄｱｯﾌﾟの登録解除"),
    Item(kCmdTimeDateSettings, 12, "日付と時刻の設定..."),
    kEnd,
    kLine,
    Item(kCmdHelp, 13, "ﾍﾙﾌﾟ(&H)..."),
    Item(kCmdAbout, 14, "ﾊﾞｰｼﾞｮﾝ情報(&A)..."),
    kLine,
    Item(kCmdExit, 15, "終了(&X)"),
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
