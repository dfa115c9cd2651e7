// The alarm list editor on its real template, driven the way its controls notify it.
#include "clock/alarm/alarm_view_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "clock/alarm/alarm_view_ids.h"
#include "clock/common/clock_source.h"
#include "clock/common/date_time.h"
#include "clock/common/dialog_win.h"
#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"
#include "clock/common/vocabulary.h"
#include "clock/common/wide_win.h"
#include "clock/widgets/colour_button_win.h"
#include "clock/widgets/spin_edit.h"
#include "support/recording_system_actions.h"
#include "support/scripted_shell.h"
#include "support/test_windows_win.h"

using namespace vistrel;
using namespace vistrel::aid;
using test_support::ItemText;

namespace {

TAlarmItem Daily(int hour, int minute, std::string message = "") {
    TAlarmItem a;
    a.kind = akDaily;
    a.set_time = EncodeTime(hour, minute, 0, 0);
    a.message = std::move(message);
    a.mark = amEdge;
    a.colour = 0x0000FF;
    return a;
}

class FixedPicker : public ColourPicker {
public:
    std::optional<TColor> answer;
    std::optional<TColor> Pick(TColor, bool, HWND) override { return answer; }
};

class AlarmView : public ::testing::Test {
protected:
    void SetUp() override {
        InitVocabulary();
        SetNowForTests([] { return EncodeDateTime(2026, 12, 9, 10, 59, 20, 0); });
        SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
            boxes.push_back(call.text);
            return MsgResult::Ok;
        });
        previous_picker = SetColourPickerForTests(&picker);
    }
    void TearDown() override {
        SetModalDriverForTests({});
        SetMessageBoxAnswererForTests({});
        SetColourPickerForTests(previous_picker);
        SetNowForTests({});
    }

    std::optional<AlarmList> Run(AlarmList records, std::function<void(HWND)> drive,
                                 int ending = IDOK) {
        SetModalDriverForTests([drive, ending](Dialog& d) {
            drive(d.hwnd());
            SendMessageW(d.hwnd(), WM_COMMAND, MAKEWPARAM(ending, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(d.hwnd(), ending)));
        });
        AlarmViewHost host{clock.get(), TOptionItem{}, nullptr};
        auto edited = RunAlarmView(owner.get(), host, std::move(records));
        if (!edited) return std::nullopt;
        return std::move(edited->records);
    }

    static void Choose(HWND d, int id, int index) {
        SendDlgItemMessageW(d, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(d, id)));
    }
    static void Type(HWND d, int id, const std::string& text) {
        SetDlgItemTextW(d, id, Widen(text).c_str());
    }
    static void Press(HWND d, int id) {
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(d, id)));
    }
    static void SelectRow(HWND d, int row) {
        ListView_SetItemState(GetDlgItem(d, sgrdView), row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    static int SelectedRow(HWND d) {
        return ListView_GetNextItem(GetDlgItem(d, sgrdView), -1, LVNI_SELECTED);
    }
    static int Rows(HWND d) { return ListView_GetItemCount(GetDlgItem(d, sgrdView)); }
    static std::string Cell(HWND d, int row, int column) {
        wchar_t text[300] = {};
        ListView_GetItemText(GetDlgItem(d, sgrdView), row, column, text, 300);
        return Narrow(text);
    }
    static bool Enabled(HWND d, int id) { return IsWindowEnabled(GetDlgItem(d, id)) != FALSE; }

    test_support::StandInWindow owner{0, 0, 1, 1, L"app", true};
    test_support::StandInWindow clock{300, 100, 133, 133, L"clock"};
    std::vector<std::string> boxes;
    FixedPicker picker;
    ColourPicker* previous_picker = nullptr;
};

TEST_F(AlarmView, NewAlarmsOfEveryKindThroughTheControls) {
    std::vector<std::string> texts;
    bool hour_greyed_for_hourly = false;
    std::string hour_after_24;
    std::string timer_time;
    std::string shown_at_once;
    int rows_at_once = 0;
    const auto edited = Run({}, [&](HWND d) {
        // 毎時 at 30 minutes: the hour is greyed; the row shows its text at once, with a new
        // empty row below it.
        Choose(d, cmbSelect, akHourly);
        hour_greyed_for_hourly = !Enabled(d, sedtHour) && Enabled(d, sedtMin);
        Type(d, sedtMin, "30");
        shown_at_once = Cell(d, 0, 1);
        rows_at_once = Rows(d);
        SelectRow(d, 1);
        // 毎日: 24 typed into the hour is kept at 23.
        Choose(d, cmbSelect, akDaily);
        Type(d, sedtHour, "24");
        hour_after_24 = ItemText(d, sedtHour);
        Type(d, edtMessage, "起きる");
        SelectRow(d, 2);
        // 毎週 Monday 07:30.
        Choose(d, cmbSelect, akWeekly);
        Choose(d, cmbWeek, 1);
        Type(d, sedtHour, "7");
        Type(d, sedtMin, "30");
        SelectRow(d, 3);
        // A timer starts at the time of day; a minute past 59 moves the hour on.
        Choose(d, cmbSelect, akTimer);
        Type(d, sedtMin, "60");
        timer_time = ItemText(d, sedtHour) + ":" + ItemText(d, sedtMin);
        SelectRow(d, 4);
        for (int row = 0; row < Rows(d); ++row) texts.push_back(Cell(d, row, 1));
    });
    EXPECT_TRUE(hour_greyed_for_hourly);
    EXPECT_EQ(shown_at_once, "毎時 30分");
    EXPECT_EQ(rows_at_once, 2);
    EXPECT_EQ(hour_after_24, "23");
    EXPECT_EQ(timer_time, "11:0");
    EXPECT_EQ(texts, (std::vector<std::string>{"毎時 30分", "毎日 23時 00分", "毎週 月曜 07時 30分",
                                               "ﾀｲﾏｰ 11時 00分", ""}));
    ASSERT_TRUE(edited);
    ASSERT_EQ(edited->size(), 4u);
    // Sorted by the next time: the hourly one at 11:30 comes after the timer at 11:00.
    EXPECT_EQ((*edited)[0].kind, akTimer);
    EXPECT_EQ((*edited)[1].kind, akHourly);
    const auto daily = std::find_if(edited->begin(), edited->end(),
                                    [](const TAlarmItem& a) { return a.kind == akDaily; });
    ASSERT_NE(daily, edited->end());
    EXPECT_EQ(daily->message, "起きる");
    EXPECT_EQ(daily->sound, SoundNames[1]) << "a new alarm sounds the general warning";
}

TEST_F(AlarmView, CancelAndTheCloseBoxDropEveryChange) {
    for (const int ending : {IDCANCEL, 0}) {
        const auto edited = Run(
            {Daily(7, 0), Daily(8, 0)},
            [ending](HWND d) {
                Choose(d, cmbSelect, akHourly);
                Press(d, btnDelete);
                SelectRow(d, 1);
                Choose(d, cmbSelect, akMonthly);
                if (ending == 0) PostMessageW(d, WM_CLOSE, 0, 0);
            },
            ending == 0 ? IDCANCEL : ending);
        EXPECT_FALSE(edited) << ending;
    }
}

TEST_F(AlarmView, DeletingTheLastRecordLeavesTheEmptyRowCleared) {
    struct Seen {
        int rows, selected;
        std::string kind_text, message;
        bool delete_one, delete_all;
    } seen{};
    const auto edited = Run({Daily(7, 0, "朝")}, [&](HWND d) {
        Press(d, btnDelete);
        seen = {Rows(d),
                SelectedRow(d),
                ItemText(d, cmbSelect),
                ItemText(d, edtMessage),
                Enabled(d, btnDelete),
                Enabled(d, btnAllDelete)};
    });
    EXPECT_EQ(seen.rows, 1);
    EXPECT_EQ(seen.selected, 0);
    EXPECT_EQ(seen.kind_text, "");
    EXPECT_EQ(seen.message, "");
    EXPECT_FALSE(seen.delete_one);
    EXPECT_FALSE(seen.delete_all);
    ASSERT_TRUE(edited);
    EXPECT_TRUE(edited->empty());
}

TEST_F(AlarmView, HandEditedRecordsComeBackUnchangedWhenOnlyLookedAt) {
    TAlarmItem odd_kind = Daily(1, 2);
    odd_kind.kind = 9;
    TAlarmItem odd_mark = Daily(3, 4);
    odd_mark.mark = 7;
    odd_mark.colour = 0xFF00000F; // a system colour
    TAlarmItem odd_week = Daily(5, 6);
    odd_week.kind = akWeekly;
    odd_week.weekday = 12;
    TAlarmItem odd_day = Daily(7, 8, "");
    odd_day.kind = akMonthly;
    odd_day.day_of_month = 40;
    odd_day.font_size = 13;
    TAlarmItem long_message = Daily(9, 10, std::string(127, 'a') + std::string(64, 'b'));
    long_message.message = std::string(255, 'x');
    const AlarmList records = {odd_kind, odd_mark, odd_week, odd_day, long_message};
    const auto edited = Run(records, [](HWND d) {
        for (int row = 0; row <= 5; ++row) SelectRow(d, row);
    });
    ASSERT_TRUE(edited);
    ASSERT_EQ(edited->size(), records.size());
    for (const TAlarmItem& original : records) {
        const bool kept = std::any_of(edited->begin(), edited->end(), [&](TAlarmItem a) {
            a.next_time = original.next_time;
            return a == original;
        });
        EXPECT_TRUE(kept) << original.kind << " " << original.mark << " " << original.message;
    }
}

TEST_F(AlarmView, ColourAndMarkReachTheRecordAndTheMessageBox) {
    picker.answer = 0x00FF00;
    const auto edited = Run({Daily(7, 0)}, [](HWND d) {
        Press(d, btnSymbolColor);
        CheckRadioButton(d, rbtnSymbolNone, rbtnSymbolCircle, rbtnSymbolCircle);
        Press(d, rbtnSymbolCircle);
        Choose(d, cmbFontSize, 7);
    });
    ASSERT_TRUE(edited);
    EXPECT_EQ((*edited)[0].colour, 0x00FF00u);
    EXPECT_EQ((*edited)[0].mark, amCircle);
    EXPECT_EQ((*edited)[0].font_size, 20);
}

TEST_F(AlarmView, BrowsingStartsInItsFolderAndThenWhereTheLastFileWas) {
    test::ScriptedShell shell;
    const test::ScopedShellServices scoped(shell);
    shell.answers = {"C:\\sounds\\bell.wav", std::nullopt, "C:\\tools\\run.exe"};
    const auto edited = Run({Daily(7, 0)}, [](HWND d) {
        Press(d, btnSoundSelect);
        Press(d, btnSoundSelect);
        Press(d, btnExecSelect);
    });
    ASSERT_EQ(shell.requests.size(), 3u);
    EXPECT_NE(shell.requests[0].folder.find("\\Media\\"), std::string::npos)
        << shell.requests[0].folder;
    EXPECT_NE(shell.requests[0].filter.find("ｻｳﾝﾄﾞﾌｧｲﾙ"), std::string::npos);
    EXPECT_EQ(shell.requests[1].folder, "C:\\sounds\\");
    ASSERT_TRUE(edited);
    EXPECT_EQ((*edited)[0].sound, "C:\\sounds\\bell.wav");
    EXPECT_EQ((*edited)[0].action, "C:\\tools\\run.exe");
}

TEST_F(AlarmView, TryingAnActionRunsItNowAndReportsWhatCannotStart) {
    test::RecordingSystemActions actions;
    const test::ScopedSystemActions scoped(actions);
    Run({Daily(7, 0)}, [](HWND d) {
        Type(d, cmbAlarmAction, CommandNames[kCommandRestart]);
        Press(d, btnExecGo);
        Type(d, cmbAlarmAction, "Z:\\no\\such\\program.exe");
        Press(d, btnExecGo);
    });
    EXPECT_NE(actions.calls, std::vector<std::string>{});
    EXPECT_EQ(boxes, std::vector<std::string>{"起動できません。"});
}

TEST_F(AlarmView, OpensBesideTheClockAtLeastAtItsDesignSize) {
    RECT placed{}, client{};
    Run({}, [&](HWND d) {
        GetWindowRect(d, &placed);
        GetClientRect(d, &client);
    });
    EXPECT_EQ(placed.left, 300 + 133 / 2);
    EXPECT_EQ(placed.top, 100 + 133);
    EXPECT_GE(client.right, 470);
    EXPECT_GE(client.bottom, 308);
}

TEST_F(AlarmView, OpeningAndClosingLeavesNothingBehind) {
    AlarmList many;
    for (int i = 0; i < 20; ++i) many.push_back(Daily(i % 24, i));
    Run(many, [](HWND) {}); // the first run creates what stays for the process (fonts, classes)
    const long gdi = LiveGdiObjects();
    const int windows = test_support::ThreadWindowCount();
    for (int round = 0; round < 100; ++round) {
        Run(many, [](HWND d) {
            SelectRow(d, 3);
            Choose(d, cmbFontSize, 5);
        });
    }
    EXPECT_EQ(LiveGdiObjects(), gdi);
    EXPECT_EQ(test_support::ThreadWindowCount(), windows);
}

} // namespace
