#include "clock/options/options_session.h"

#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "clock/common/file_io.h"
#include "clock/common/help.h"
#include "clock/options/option_ids.h"
#include "clock/options/option_pages.h"
#include "tests/options/fake_control_surface.h"
#include "tests/support/scratch_folder.h"

namespace vistrel {
namespace {

using test::FakeControlSurface;

class FakeHost : public OptionsHost {
public:
    void ApplyOptions(const TOptionItem& options) override { applied.push_back(options); }
    void WriteSettings() override { ++writes; }
    void OptionsClosed(int page) override { closed_pages.push_back(page); }
    bool CommandEnabled(SharedCommand command) const override {
        return command == SharedCommand::AlarmView ? alarm_view : set_time;
    }
    void EnableCommand(SharedCommand command, bool enabled) override {
        if (command == SharedCommand::AlarmView) alarm_view = enabled;
    }
    void PreviewAlarm(const std::string& message) override { previews.push_back(message); }
    void RunCommand(SharedCommand command) override { ran.push_back(command); }

    std::vector<TOptionItem> applied;
    int writes = 0;
    std::vector<int> closed_pages;
    bool alarm_view = true;
    bool set_time = false;
    std::vector<std::string> previews;
    std::vector<SharedCommand> ran;
};

// The dialog fills its controls, and each filling notifies the change handler.
class EchoingSurface : public FakeControlSurface {
public:
    OptionsSession* session = nullptr;
    void SetCheck(int id, bool checked) override {
        FakeControlSurface::SetCheck(id, checked);
        if (session) session->Change();
    }
};

struct Fixture {
    explicit Fixture(TOptionItem live = {}, int page = 0)
        : session(host, surface, Platform{}, live, page) {
        surface.session = &session;
        session.Show();
    }
    FakeHost host;
    EchoingSurface surface;
    OptionsSession session;
};

TEST(OptionsSession, FillingDoesNotCountAsChanges) {
    Fixture f;
    EXPECT_TRUE(f.host.applied.empty());
    EXPECT_EQ(f.session.Original(), TOptionItem{});
}

TEST(OptionsSession, ChangeReadsEveryPageAndApplies) {
    Fixture f;
    f.surface.checks[oid::chkUseTrans] = true;
    f.surface.positions[oid::trbTrans] = 128;
    f.surface.texts[oid::cmbDateCharFont] = "Not Installed Font";
    f.session.Change();
    ASSERT_EQ(f.host.applied.size(), 1u);
    EXPECT_TRUE(f.host.applied.back().UseTrans);
    EXPECT_EQ(f.host.applied.back().Trans, 128);
    EXPECT_EQ(f.host.applied.back().DateCharFont, "Not Installed Font");
    EXPECT_TRUE(f.surface.Enabled(oid::trbTrans));
}

TEST(OptionsSession, CancelRestoresAndAppliesTheOriginal) {
    TOptionItem live;
    live.DblClickAction = 2;
    Fixture f(live, 7);
    f.surface.checks[oid::chkLockUse] = true;
    f.session.ChoosePointer(0);
    f.session.MoveLayer(false);
    f.session.SelectPage(9);
    EXPECT_NE(f.session.Working(), live);
    f.session.Cancel();
    EXPECT_EQ(f.host.applied.back(), live);
    EXPECT_EQ(f.host.writes, 0);
    EXPECT_EQ(f.host.closed_pages, std::vector<int>{9});
    EXPECT_FALSE(f.session.Open());
}

TEST(OptionsSession, CancelGivesBackTheCommandsItSwitched) {
    Fixture f; // alarms on
    f.surface.checks[oid::chkAlarmUse] = false;
    f.session.Change();
    EXPECT_FALSE(f.host.alarm_view);
    EXPECT_FALSE(f.surface.Enabled(oid::BitBtn1));
    f.session.Cancel();
    EXPECT_TRUE(f.host.applied.back().AlarmUse);
    EXPECT_TRUE(f.host.alarm_view) << "the editor's command is enabled again";
}

TEST(OptionsSession, TheLockPageFollowsALockFromOutside) {
    TOptionItem live;
    live.Mode = 2; // the see-through hole
    live.TempKey = 0;
    Fixture f(live, 1);
    EXPECT_FALSE(f.surface.Enabled(oid::trbLockHoleSize));
    EXPECT_TRUE(f.surface.Enabled(oid::chkShowTray));
    f.session.LockChanged(true); // the menu's lock command
    EXPECT_TRUE(f.surface.GetCheck(oid::chkLockUse));
    EXPECT_TRUE(f.surface.Enabled(oid::rbtnLockHole));
    EXPECT_TRUE(f.surface.Enabled(oid::trbLockHoleSize));
    EXPECT_FALSE(f.surface.Enabled(oid::chkShowTray)) << "locked without a key: the icon stays";
    EXPECT_TRUE(f.host.applied.empty()) << "the clock has the lock already";
    f.session.Cancel();
    EXPECT_FALSE(f.host.applied.back().Locked);
}

TEST(OptionsSession, EndingsWriteOnlyOnOk) {
    struct Case {
        void (OptionsSession::*end)();
        int writes;
        bool restored;
    };
    const Case cases[] = {
        {&OptionsSession::Ok, 1, false},
        {&OptionsSession::CloseBox, 0, false},
        {&OptionsSession::Cancel, 0, true},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.surface.checks[oid::chkMultiUser] = false;
        f.session.Change();
        const std::size_t applied = f.host.applied.size();
        (f.session.*c.end)();
        (f.session.*c.end)(); // a second press after the close does nothing
        f.session.Change();
        EXPECT_EQ(f.host.writes, c.writes);
        EXPECT_EQ(f.host.applied.size(), applied + (c.restored ? 1 : 0));
        EXPECT_EQ(f.host.applied.back().MultiUser, c.restored);
        EXPECT_EQ(f.host.closed_pages.size(), 1u);
    }
}

TEST(OptionsSession, MovingTheAlarmMarksDownOnce) {
    Fixture f;
    f.session.SelectLayer(0);
    f.session.MoveLayer(false);
    ASSERT_EQ(f.host.applied.size(), 1u);
    EXPECT_EQ(f.host.applied.back().DSPOrder,
              (std::array<std::uint8_t, kLayerCount>{1, 0, 2, 3, 4, 5, 6}));
    EXPECT_EQ(f.surface.GetSelection(oid::lstDspOrder), 1);
    f.session.SelectLayer(6);
    f.session.MoveLayer(false); // already at the back
    EXPECT_EQ(f.host.applied.size(), 1u);
    // A layer whose name a language library blanked cannot be moved.
    f.session.SetLayerNames({"ｱﾗｰﾑﾏｰｸ", "", "ﾒﾓﾘ", "数字(文字盤)", "日付", "枠", "時刻"});
    f.session.SelectLayer(0); // code 1 is at the top now
    EXPECT_FALSE(f.surface.Enabled(oid::btnDSPOrderUp));
    f.session.SelectLayer(1);
    EXPECT_TRUE(f.surface.Enabled(oid::btnDSPOrderDown));
}

TEST(OptionsSession, DoubleClickActionWithoutEntryBecomesNoneAtFirstChange) {
    TOptionItem live;
    live.DblClickAction = 5;
    Fixture f(live);
    f.session.Change();
    EXPECT_EQ(f.host.applied.back().DblClickAction, -1);
}

TEST(OptionsSession, CommandsFollowTheAlarmSwitch) {
    Fixture f;
    f.surface.checks[oid::chkAlarmUse] = false;
    f.session.Change();
    EXPECT_FALSE(f.host.alarm_view);
    EXPECT_FALSE(f.surface.Enabled(oid::BitBtn1));
    EXPECT_FALSE(f.surface.Enabled(oid::btnSetTime));
    f.session.PreviewAlarm("preview");
    EXPECT_EQ(f.host.previews, std::vector<std::string>{"preview"});
    EXPECT_TRUE(f.surface.Enabled(oid::btnOK));
}

TEST(OptionsSession, CommandButtonsRunOnlyEnabledCommandsAndFollowTheirState) {
    Fixture f;
    f.session.RunCommand(SharedCommand::SetTime); // disabled: nothing runs
    f.host.set_time = true;
    EXPECT_FALSE(f.surface.Enabled(oid::btnSetTime));
    f.session.RefreshCommands();
    EXPECT_TRUE(f.surface.Enabled(oid::btnSetTime));
    f.session.RunCommand(SharedCommand::SetTime);
    f.session.RunCommand(SharedCommand::AlarmView);
    EXPECT_EQ(f.host.ran, (std::vector{SharedCommand::SetTime, SharedCommand::AlarmView}));
    f.session.CloseBox();
    f.session.RunCommand(SharedCommand::SetTime); // the dialog has ended
    EXPECT_EQ(f.host.ran.size(), 2u);
}

TEST(OptionsSession, HelpByPage) {
    test::ScratchFolder folder;
    SetProgramFolderForTests(folder.Path());
    std::filesystem::create_directories(folder.File("help"));
    for (int context : {kHelpFrame, kHelpINet})
        test::WriteBytes(HelpPagePath(context), "<!doctype html>");
    std::vector<std::string> opened;
    SetHelpOpenerForTests([&](const std::string& path) {
        opened.push_back(path);
        return true;
    });
    for (int page : {kPageFrame, kPageTime, kPageINet}) {
        Fixture f({}, page);
        f.session.Help();
    }
    const std::vector<std::string> expected{HelpPagePath(kHelpFrame), HelpPagePath(kHelpINet)};
    SetHelpOpenerForTests({});
    SetProgramFolderForTests("");
    EXPECT_EQ(opened, expected);
}

} // namespace
} // namespace vistrel
