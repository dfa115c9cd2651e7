#include "clock/settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "clock/common/error.h"
#include "clock/common/file_io.h"
#include "clock/settings/ini_file.h"
#include "support/scratch_folder.h"

using namespace vistrel;
using vistrel::test::ReadBytes;
using vistrel::test::ScratchFolder;
using vistrel::test::WriteBytes;

namespace {

constexpr int kScreenWidth = 1024;

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsEnvironment Env(bool layered = true) const {
        return SettingsEnvironment{dir.Path(), kScreenWidth, layered, {}};
    }
    // The start-up sequence as far as the files go: shared file, then the settings it names.
    void Load(const std::string& user, TOptionItem& o, WindowSettings& w, bool layered = true) {
        ReadSharedSettings(SharedSettingsPath(dir.Path()), o, w);
        ReadSettings(SettingsFileName(dir.Path(), user, o.MultiUser, w.Ver), Env(layered), o, w);
    }
    IniFile Shared() const { return IniFile(dir.File("Vistrel.Ini")); }

    ScratchFolder dir;
};

} // namespace

TEST_F(SettingsFileTest, FilesArePerUserOnlyWithMultiUserInTheCurrentLayout) {
    const std::string p = dir.Path();
    EXPECT_EQ(SettingsFileName(p, "alice", true, 202), p + "alice.Ini");
    EXPECT_EQ(AlarmFilePath(p, "alice", true, 202), p + "alice.CSV");
    EXPECT_EQ(SettingsFileName(p, "alice", true, 201), p + "Vistrel.Ini");
    EXPECT_EQ(AlarmFilePath(p, "alice", true, 201), p + "Default.CSV");
    EXPECT_EQ(SettingsFileName(p, "alice", false, 300), p + "Vistrel.Ini");
    EXPECT_EQ(AlarmFilePath(p, "alice", false, 300), p + "Default.CSV");
    EXPECT_EQ(DefaultAlarmFolder(p), p + "alarm" + PathSeparator());
    EXPECT_EQ(DefaultStyleFolder(p), p + "style" + PathSeparator());
}

TEST_F(SettingsFileTest, NoFilesAtAllGiveTheDefaults) {
    TOptionItem o;
    o.Mode = 0; // values left over from before must not survive a read
    o.Server = "old";
    WindowSettings w;
    Load("alice", o, w);

    TOptionItem expected;
    expected.Dir = dir.Path() + "alarm" + PathSeparator();
    expected.StyleDir = dir.Path() + "style" + PathSeparator();
    EXPECT_EQ(o, expected);
    EXPECT_EQ(o.Server, "pool.ntp.org");
    EXPECT_EQ(w.Ver, 202);
    EXPECT_EQ(w.Size, 133);
    EXPECT_EQ(w.PointX, kScreenWidth - 133);
    EXPECT_EQ(w.PointY, 0);
    EXPECT_TRUE(w.StayOnTop);
    EXPECT_FALSE(w.Lock);
    EXPECT_TRUE(o.ShowTray);
    EXPECT_EQ(o.Mode, 2);
    EXPECT_FALSE(FileExists(dir.File("Vistrel.Ini"))); // reading never creates a file
}

TEST_F(SettingsFileTest, SmallSizesBecomeFiftyAndTheDefaultPositionFollowsTheSize) {
    for (const auto& [stored, size] : {std::pair{"20", 50}, {"-5", 50}, {"50", 50}, {"51", 51}}) {
        WriteBytes(dir.File("Vistrel.Ini"), std::string("[Common]\r\nSize=") + stored + "\r\n");
        TOptionItem o;
        WindowSettings w;
        ReadSettings(dir.File("Vistrel.Ini"), Env(), o, w);
        EXPECT_EQ(w.Size, size) << stored;
        EXPECT_EQ(w.PointX, kScreenWidth - size) << stored;
    }
    // At 144 DPI the stored size keeps its 96-DPI meaning; the corner takes its real pixels.
    WriteBytes(dir.File("Vistrel.Ini"), "[Common]\r\nSize=133\r\n");
    SettingsEnvironment env = Env();
    env.dpi = 144;
    TOptionItem o;
    WindowSettings w;
    ReadSettings(dir.File("Vistrel.Ini"), env, o, w);
    EXPECT_EQ(w.Size, 133);
    EXPECT_EQ(w.PointX, kScreenWidth - 200);
}

TEST_F(SettingsFileTest, OldLayoutShiftsDateFormatsOnceAndIsSavedInTheNewLayout) {
    WriteBytes(dir.File("Vistrel.Ini"), "[Common]\r\nVer=170\r\nMultiUser=1\r\nDateCharForm=3\r\n");
    TOptionItem o;
    WindowSettings w;
    Load("alice", o, w);
    // Before 202 there were no per-user files: the shared one is read.
    EXPECT_EQ(w.Ver, 170);
    EXPECT_EQ(o.DateCharForm, 4);

    w.Ver = RaisedSettingsVersion(w.Ver);
    WriteSettings(dir.Path(), "alice", o, w);
    EXPECT_EQ(Shared().ReadInteger("Common", "Ver", 0), 202);

    TOptionItem again;
    WindowSettings again_w;
    Load("alice", again, again_w);
    EXPECT_EQ(again.DateCharForm, 4); // not shifted a second time
    EXPECT_EQ(RaisedSettingsVersion(250), 250);
}

TEST_F(SettingsFileTest, DateFormatShiftAppliesOnlyToOldFilesAndMovedFormats) {
    for (const auto& [ver, stored, read] :
         {std::tuple{175, 2, 2}, {175, 3, 4}, {175, 8, 9}, {176, 3, 3}, {202, 5, 5}}) {
        WriteBytes(dir.File("Vistrel.Ini"),
                   std::string("[Common]\r\nDateCharForm=").append(std::to_string(stored)) +
                       "\r\n");
        TOptionItem o;
        WindowSettings w;
        w.Ver = ver;
        ReadSettings(dir.File("Vistrel.Ini"), Env(), o, w);
        EXPECT_EQ(o.DateCharForm, read) << ver << " " << stored;
    }
}

TEST_F(SettingsFileTest, TwoUsersKeepTheirOwnSettingsAndShareTheStyle) {
    TOptionItem a;
    WindowSettings aw;
    Load("alice", a, aw);
    aw.PointX = 11;
    a.Mode = 1;
    a.ColorH = 123;
    WriteSettings(dir.Path(), "alice", a, aw);

    TOptionItem b;
    WindowSettings bw;
    Load("bob", b, bw);
    EXPECT_EQ(bw.PointX, kScreenWidth - 133);
    EXPECT_EQ(b.Mode, 2);
    bw.PointX = 22;
    WriteSettings(dir.Path(), "bob", b, bw); // bob's style has the default ColorH again

    EXPECT_EQ(IniFile(dir.File("alice.Ini")).ReadInteger("Common", "PointX", 0), 11);
    EXPECT_EQ(IniFile(dir.File("bob.Ini")).ReadInteger("Common", "PointX", 0), 22);
    EXPECT_EQ(IniFile(dir.File("alice.Ini")).ReadInteger("Lock", "Mode", 0), 1);
    const IniFile shared = Shared();
    EXPECT_TRUE(shared.ReadBool("Common", "MultiUser", false));
    EXPECT_EQ(shared.ReadInteger("Common", "Ver", 0), 202);
    EXPECT_EQ(shared.ReadInteger("Color", "ColorH", 0), 65535);
    EXPECT_FALSE(shared.Find("Common", "PointX").has_value());
    EXPECT_FALSE(IniFile(dir.File("alice.Ini")).SectionExists("Color"));
}

TEST_F(SettingsFileTest, WithoutMultiUserEverythingGoesToTheSharedFile) {
    WriteBytes(dir.File("Vistrel.Ini"), "[Common]\r\nMultiUser=0\r\n");
    TOptionItem o;
    WindowSettings w;
    Load("alice", o, w);
    EXPECT_FALSE(o.MultiUser);
    EXPECT_EQ(AlarmFilePath(dir.Path(), "alice", o.MultiUser, w.Ver), dir.File("Default.CSV"));
    w.PointY = 77;
    WriteSettings(dir.Path(), "alice", o, w);
    EXPECT_FALSE(FileExists(dir.File("alice.Ini")));
    const IniFile shared = Shared();
    EXPECT_EQ(shared.ReadInteger("Common", "PointY", 0), 77);
    EXPECT_FALSE(shared.ReadBool("Common", "MultiUser", true));
    EXPECT_EQ(shared.ReadInteger("Common", "StyleVer", 0), 210);
}

TEST_F(SettingsFileTest, EveryProgramSettingSurvivesAWriteAndRead) {
    std::filesystem::create_directory(dir.File("my alarms"));
    std::filesystem::create_directory(dir.File("my styles"));
    TOptionItem o;
    o.MultiUser = false;
    o.ShowTray = false, o.UseTrans = true, o.Trans = 100, o.DblClickAction = 5;
    o.SNeedle = true, o.ColorChange = true, o.DateCharForm = 8, o.TimeCharForm = 0;
    o.WeekType = 1, o.PointType = 2, o.AlarmUse = false, o.Join = 2, o.HRange = 3;
    o.MRange = 4, o.MsgType = 1, o.Interval = 9, o.Times = 7, o.Speed = 1, o.Action = 1;
    o.Dir = dir.File("my alarms") + PathSeparator();
    o.Server = "ntp.example.jp", o.TimeOut = 12, o.ShowResult = false, o.OnlyResultMsg = true;
    o.AutoDial = false, o.AutoHangUp = false, o.ErrorHangUp = true, o.AutoSetTime = true;
    o.LastDate = EncodeDateTime(2024, 2, 29, 23, 59, 58, 0);
    o.HoleSize = 44, o.Mode = 3, o.SlowlyHide = false, o.EscapeSpeed = 5, o.TempKey = 3;
    o.StyleDir = dir.File("my styles") + PathSeparator();
    WindowSettings w;
    w.Size = 200, w.PointX = -30, w.PointY = 40, w.StayOnTop = false, w.Lock = true;
    WriteSettings(dir.Path(), "alice", o, w);

    TOptionItem r;
    WindowSettings rw;
    Load("alice", r, rw);
    EXPECT_EQ(r, o);
    EXPECT_EQ(rw, w);
    EXPECT_EQ(Shared().ReadString("NTP", "LastDate", ""), "2024/02/29 23:59:58");
}

TEST_F(SettingsFileTest, StoredValuesThatCannotApplyFallBackToDefaults) {
    WriteBytes(dir.File("Vistrel.Ini"), "[Common]\r\nMultiUser=0\r\nUseTrans=1\r\n"
                                        "StyleDir=/no/such/folder/\r\n"
                                        "[Alarm]\r\nDir=/no/such/folder/\r\n"
                                        "[NTP]\r\nLastDate=2024/13/01\r\n");
    TOptionItem o;
    WindowSettings w;
    Load("alice", o, w, /*layered=*/false);
    // Without layered windows translucency stays off, and is saved as off.
    EXPECT_FALSE(o.UseTrans);
    EXPECT_EQ(o.Dir, DefaultAlarmFolder(dir.Path()));
    EXPECT_EQ(o.StyleDir, DefaultStyleFolder(dir.Path()));
    EXPECT_EQ(o.LastDate, 0.0);
    WriteSettings(dir.Path(), "alice", o, w);
    EXPECT_EQ(Shared().ReadString("Common", "UseTrans", ""), "0");

    TOptionItem on;
    Load("alice", on, w, /*layered=*/true);
    EXPECT_FALSE(on.UseTrans);
}

TEST_F(SettingsFileTest, AnEscapedWindowSavesItsHomePosition) {
    TOptionItem o;
    WindowSettings w;
    w.PointX = 900, w.PointY = 600; // where it fled to
    WriteSettings(dir.Path(), "alice", o, w, WindowPoint{100, 50});
    const IniFile user(dir.File("alice.Ini"));
    EXPECT_EQ(user.ReadInteger("Common", "PointX", 0), 100);
    EXPECT_EQ(user.ReadInteger("Common", "PointY", 0), 50);
}

TEST_F(SettingsFileTest, UnknownKeysAndSectionsSurviveASave) {
    const std::string user = "; my notes\r\n[Common]\r\nFuture=yes\r\n[Plugin]\r\nx=1\r\n";
    WriteBytes(dir.File("alice.Ini"), user);
    WriteBytes(dir.File("Vistrel.Ini"), "[Common]\r\nMultiUser=1\r\nVer=202\r\nHint=keep\r\n");
    TOptionItem o;
    WindowSettings w;
    Load("alice", o, w);
    WriteSettings(dir.Path(), "alice", o, w);
    const std::string saved = ReadBytes(dir.File("alice.Ini"));
    EXPECT_EQ(saved.rfind("; my notes\r\n[Common]\r\nFuture=yes\r\n", 0), 0u) << saved;
    EXPECT_NE(saved.find("[Plugin]\r\nx=1\r\n"), std::string::npos);
    EXPECT_EQ(Shared().ReadString("Common", "Hint", ""), "keep");
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenStopsTheRestAndIsNamed) {
    // A folder where the per-user file should be: the save cannot replace it.
    std::filesystem::create_directory(dir.File("alice.Ini"));
    TOptionItem o;
    WindowSettings w;
    try {
        WriteSettings(dir.Path(), "alice", o, w);
        FAIL() << "the write succeeded";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("alice.Ini"), std::string::npos) << e.what();
    }
    const IniFile shared = Shared();
    EXPECT_EQ(shared.ReadInteger("Common", "Ver", 0), 202); // replaced whole before the failure
    EXPECT_TRUE(shared.SectionExists("Color"));

    ScratchFolder other;
    EXPECT_THROW(WriteSettings(other.File("gone") + PathSeparator(), "alice", o, w), Error);
}

namespace {
// Counts the replaces of a save and stops it, as a kill would, before replace number stop_at.
struct RecordingReplacer : FileReplacer {
    std::vector<std::string> replaced;
    std::size_t stop_at = SIZE_MAX;
    FileReplacer* previous = SetFileReplacerForTests(this);
    ~RecordingReplacer() override { SetFileReplacerForTests(previous); }
    void Replace(const std::string& path, std::string_view bytes) override {
        if (replaced.size() == stop_at) throw Error("killed");
        replaced.push_back(path);
        WriteBytes(path, std::string(bytes));
    }
};
} // namespace

// One save replaces each file once, so a save stopped between any two steps leaves each file
// wholly old or wholly new; a leftover temporary file of ours goes at the next start.
TEST_F(SettingsFileTest, ASaveReplacesEachFileOnceAndAKillLeavesWholeFiles) {
    for (const bool multi_user : {false, true}) {
        TOptionItem o;
        o.MultiUser = multi_user;
        WindowSettings w;
        WriteSettings(dir.Path(), "alice", o, w);
        const std::vector<std::string> files =
            multi_user ? std::vector<std::string>{dir.File("Vistrel.Ini"), dir.File("alice.Ini")}
                       : std::vector<std::string>{dir.File("Vistrel.Ini")};
        std::vector<std::string> old_bytes, new_bytes;
        for (const auto& f : files) old_bytes.push_back(ReadBytes(f));
        o.ColorH = 0x123456; // the style, in the shared file
        o.Trans = 77;        // a program setting
        {
            RecordingReplacer recorder;
            WriteSettings(dir.Path(), "alice", o, w);
            EXPECT_EQ(recorder.replaced, files) << "each file replaced once";
        }
        for (const auto& f : files) new_bytes.push_back(ReadBytes(f));
        for (std::size_t stop = 0; stop <= files.size(); ++stop) {
            for (std::size_t i = 0; i < files.size(); ++i) WriteBytes(files[i], old_bytes[i]);
            RecordingReplacer recorder;
            recorder.stop_at = stop;
            if (stop < files.size()) {
                EXPECT_THROW(WriteSettings(dir.Path(), "alice", o, w), Error);
            } else {
                WriteSettings(dir.Path(), "alice", o, w);
            }
            for (std::size_t i = 0; i < files.size(); ++i) {
                EXPECT_EQ(ReadBytes(files[i]), i < stop ? new_bytes[i] : old_bytes[i])
                    << files[i] << " after a stop before step " << stop;
            }
        }
    }
    WriteBytes(dir.File("Vistrel.Ini.vistrel-save"), "half");
    WriteBytes(dir.File("alice.CSV.vistrel-save"), "half");
    WriteBytes(dir.File("Vistrel.Ini.tmp"), "not ours");
    WriteBytes(dir.File("bob.Ini.vistrel-save"), "another user's save");
    RemoveLeftoverSaves(dir.Path(), "alice");
    EXPECT_FALSE(std::filesystem::exists(dir.File("Vistrel.Ini.vistrel-save")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("alice.CSV.vistrel-save")));
    EXPECT_EQ(ReadBytes(dir.File("Vistrel.Ini.tmp")), "not ours");
    EXPECT_EQ(ReadBytes(dir.File("bob.Ini.vistrel-save")), "another user's save");
}

// A settings file that could not be read at start-up (here: too large, a stand-in for one held
// by another program) is told about and then left exactly as it was, with its style.
TEST_F(SettingsFileTest, AnUnreadFileIsToldAboutAndNeverWritten) {
    const std::string shared = dir.File("Vistrel.Ini");
    const std::string bytes = "[Common]\r\nMultiUser=0\r\nVer=202\r\n" + std::string(5 << 20, ';');
    WriteBytes(shared, bytes);
    TOptionItem o;
    WindowSettings w;
    const std::string told = ReadSharedSettings(shared, o, w);
    EXPECT_NE(told.find(shared), std::string::npos) << told;
    EXPECT_NE(told.find("書き換えません"), std::string::npos) << told;
    EXPECT_EQ(ReadSettings(shared, Env(), o, w), told);
    UnreadFiles unread;
    unread.Add(shared);
    o.ColorH = 0x123456;
    WriteSettings(dir.Path(), "alice", o, w, std::nullopt, unread);
    EXPECT_EQ(ReadBytes(shared), bytes);
    // The per-user file, which was readable, is still saved.
    EXPECT_EQ(IniFile(dir.File("alice.Ini")).ReadInteger("Common", "Size", 0), w.Size);
    EXPECT_EQ(ReadSharedSettings(dir.File("none.Ini"), o, w), "");
}

TEST(KeepOnScreens, SizesAndPlacesStayWhereTheMonitorsCanShowThem) {
    const Monitor primary{Rect::Sized(0, 0, 1024, 768), Rect::Sized(0, 0, 1024, 738)};
    const std::vector<Monitor> one{primary};
    // A second monitor to the left of the primary one, taller and narrower.
    const Rect left = Rect::Sized(-800, -200, 800, 1280);
    const std::vector<Monitor> two{primary, {left, left}};
    struct Case {
        const char* what;
        std::vector<Monitor> monitors;
        int x, y, size;
        int want_x, want_y, want_size;
        int dpi = 96;
    };
    const Case cases[] = {
        {"on the screen: unchanged", one, 100, 50, 133, 100, 50, 133},
        {"half off the right edge: kept", one, 1000 - 66, 10, 133, 1000 - 66, 10, 133},
        {"centre beyond the right edge: back within the work area", one, 1000, 10, 133, 891, 10,
         133},
        {"far away: the nearest corner of the work area", one, -30000, 40000, 133, 0, 605, 133},
        {"far left: onto the left monitor", two, -30000, 300, 133, -800, 300, 133},
        {"the left monitor gone: onto the primary", one, -700, 900, 200, 0, 538, 200},
        {"huge: the screen's smaller side", one, 0, 0, 99999999, 0, 0, 768},
        {"on the left monitor: kept", two, -700, 900, 200, -700, 900, 200},
        {"huge over two monitors: the virtual screen's smaller side", two, -800, -200, 99999999,
         -800, -200, 1280},
        {"no monitors known: unchanged", {}, -30000, 0, 99999999, -30000, 0, 99999999},
        {"huge at 144 DPI: the smaller side in 96-DPI pixels", one, 0, 0, 99999999, 0, 0, 512, 144},
        {"at 144 DPI the real pixels count for the centre", one, 950, 10, 133, 824, 10, 133, 144},
    };
    for (const Case& c : cases) {
        SettingsEnvironment env;
        env.monitors = c.monitors;
        env.dpi = c.dpi;
        WindowSettings w;
        w.PointX = c.x;
        w.PointY = c.y;
        w.Size = c.size;
        KeepOnScreens(env, w);
        EXPECT_EQ(w.PointX, c.want_x) << c.what;
        EXPECT_EQ(w.PointY, c.want_y) << c.what;
        EXPECT_EQ(w.Size, c.want_size) << c.what;
    }
}
