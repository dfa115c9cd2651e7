#include "clock/app/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vistrel;

namespace {
// The table as "caption" lines, submenu entries indented and separators as "-".
std::vector<std::string> Outline() {
    std::vector<std::string> out;
    std::string indent;
    for (const MenuEntry& e : PopupMenuTable()) {
        switch (e.kind) {
        case MenuKind::Item: out.push_back(indent + e.caption); break;
        case MenuKind::Separator: out.push_back(indent + "-"); break;
        case MenuKind::Submenu:
            out.push_back(indent + e.caption + " >");
            indent += "  ";
            break;
        case MenuKind::EndSubmenu: indent.resize(indent.size() - 2); break;
        }
    }
    EXPECT_TRUE(indent.empty()) << "every submenu is closed";
    return out;
}
} // namespace

TEST(PopupMenu, EntriesInTheirOrderWithTheirSubmenus) {
    const std::vector<std::string> expected = {
        "ｵﾌﾟｼｮﾝ(&O)...",
        "ｱﾗｰﾑ･ﾀｲﾏｰの設定...",
        "残像を消す",
        "常に手前に表示",
        "ﾛｯｸ(&L)",
        "ｽﾀｲﾙﾃﾞｰﾀ >",
        "  開く...",
        "  名前をつけて保存...",
        "  ﾌｫﾙﾀﾞを開く",
        "ｱﾗｰﾑ情報 >",
        "  開く...",
        "  追加読み込み",
        "  名前をつけて保存...",
        "-",
        "移動 >",
        "  右上",
        "  右下",
        "  左上",
        "  左下",
        "  中央",
        "最小化(&N)",
        "時間を設定",
        "ｱﾗｰﾑｻｳﾝﾄﾞの停止",
        "ﾂｰﾙ >",
        "  ｽｸﾘｰﾝｾｰﾊﾞｰ起動",
        "  ｽﾀｰﾄｱｯﾌﾟへ登録",
        "  ｽﾀｰﾄｱｯﾌﾟの登録解除",
        "  日付と時刻の設定...",
        "-",
        "ﾍﾙﾌﾟ(&H)...",
        "ﾊﾞｰｼﾞｮﾝ情報(&A)...",
        "-",
        "終了(&X)",
    };
    EXPECT_EQ(Outline(), expected);
}

TEST(PopupMenu, LanguageNumbersOneToTwentyAppearOnceEach) {
    std::vector<int> seen(21, 0);
    for (const MenuEntry& e : PopupMenuTable()) {
        if (e.text_number > 0) ++seen.at(static_cast<size_t>(e.text_number));
    }
    for (int n = 1; n <= 20; ++n) EXPECT_EQ(seen[static_cast<size_t>(n)], 1) << n;
}

TEST(Commands, EnablingAndCheckMarksFollowTheFacts) {
    struct Case {
        const char* what;
        CommandFacts facts;
        Command command;
        CommandState expected;
    };
    const CommandFacts plain{};
    CommandFacts online = plain;
    online.set_time_available = true;
    CommandFacts adjusting = online;
    adjusting.windows.Opened(OpenWindow::TimeAdjustment);
    CommandFacts playing = plain;
    playing.sound_playing = true;
    CommandFacts linked = plain;
    linked.startup_link_exists = true;
    CommandFacts about = plain;
    about.windows.Opened(OpenWindow::About);
    CommandFacts editing = plain;
    editing.windows.Opened(OpenWindow::AlarmEditor);
    CommandFacts switched_off = plain;
    switched_off.alarm_view_allowed = false;
    CommandFacts picking = online;
    picking.windows.Opened(OpenWindow::StylePicker);
    CommandFacts loose = plain;
    loose.stay_on_top = false;
    loose.locked = true;
    const Case cases[] = {
        {"on top: checked", plain, kCmdTop, {true, true}},
        {"not on top", loose, kCmdTop, {true, false}},
        {"locked: checked", loose, kCmdLock, {true, true}},
        {"no network library: no time setting", plain, kCmdSetTime, {false, false}},
        {"network library", online, kCmdSetTime, {true, false}},
        {"while adjusting", adjusting, kCmdSetTime, {false, false}},
        {"silent: stop disabled", plain, kCmdStopSound, {false, false}},
        {"playing: stop enabled", playing, kCmdStopSound, {true, false}},
        {"no link: register", plain, kCmdStartupRegister, {true, false}},
        {"no link: no unregister", plain, kCmdStartupUnregister, {false, false}},
        {"link: no register", linked, kCmdStartupRegister, {false, false}},
        {"link: unregister", linked, kCmdStartupUnregister, {true, false}},
        {"about open: disabled", about, kCmdAbout, {false, false}},
        {"about closed", plain, kCmdAbout, {true, false}},
        {"alarm editor open: disabled", editing, kCmdAlarmView, {false, false}},
        {"alarm editor closed", about, kCmdAlarmView, {true, false}},
        {"alarms switched off in the options", switched_off, kCmdAlarmView, {false, false}},
        {"alarm file opened while editing: disabled", editing, kCmdLoadAlarm, {false, false}},
        {"a second style picker: disabled", picking, kCmdLoadStyle, {false, false}},
        {"time setting while picking: disabled", picking, kCmdSetTime, {false, false}},
        {"erase always", adjusting, kCmdErase, {true, false}},
        {"exit always", linked, kCmdExit, {true, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(StateOf(c.command, c.facts), c.expected) << c.what;
}

TEST(Commands, DoubleClickActions) {
    const Command expected[] = {kCmdErase,     kCmdStartScreenSaver, kCmdSetTime,
                                kCmdStopSound, kCmdAlarmView,        kCmdMinimize};
    for (int action = 0; action < 6; ++action) {
        EXPECT_EQ(DoubleClickCommand(action), expected[action]) << action;
    }
    for (const int none : {-1, 6, 99}) EXPECT_EQ(DoubleClickCommand(none), kCmdNone) << none;
}

TEST(Commands, MovesPlaceTheClockInTheWorkArea) {
    struct Case {
        Command command;
        int left, top, right, bottom;
        MovePlace expected;
    };
    const Case cases[] = {
        {kCmdMoveTopRight, 0, 0, 1024, 738, {891, 0}},
        {kCmdMoveBottomRight, 0, 0, 1024, 738, {891, 605}},
        {kCmdMoveTopLeft, 0, 0, 1024, 738, {0, 0}},
        {kCmdMoveBottomLeft, 0, 0, 1024, 738, {0, 605}},
        {kCmdMoveCenter, 0, 0, 1024, 738, {445, 302}},
        // A task bar at the left or at the top: the middle of the work area, not of the
        // distance from the screen's edge.
        {kCmdMoveCenter, 60, 0, 1024, 768, {475, 317}},
        {kCmdMoveCenter, 0, 30, 1024, 768, {445, 332}},
        {kCmdMoveTopLeft, 60, 30, 1024, 768, {60, 30}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceForMove(c.command, c.left, c.top, c.right, c.bottom, 133), c.expected)
            << c.command << " " << c.left << "," << c.top;
    }
}
