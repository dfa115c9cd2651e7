#include "clock/alarm/alarm_file.h"

#include <gtest/gtest.h>

#include "alarm/alarm_test_folder.h"
#include "clock/alarm/scheduler.h"
#include "clock/common/clock_source.h"
#include "clock/common/file_io.h"
#include "clock/common/text_encoding.h"

using namespace vistrel;
using vistrel::test::TestFolder;

namespace {

const AlarmLineOptions kOptions{202, "(なし)", "(なし)"};

TDateTime At(int y, int mo, int d, int h, int mi, int s = 0) {
    return EncodeDateTime(y, mo, d, h, mi, s, 0);
}

class AlarmFile : public ::testing::Test {
protected:
    void SetUp() override {
        SetNowForTests([] { return At(2026, 12, 8, 6, 0); });
    }
    void TearDown() override { SetNowForTests({}); }

    void WriteSjis(const std::string& name, const std::string& utf8) {
        WriteFileAtomic(folder.Path(name), *Utf8ToSjis(utf8));
    }
    AlarmList Load(const std::string& name, const AlarmLineOptions& options = kOptions) {
        AlarmList list;
        LoadAlarmFile(folder.Path(name), list, options);
        return list;
    }

    TestFolder folder;
};

TAlarmItem Daily(int hour, int minute, std::string message) {
    TAlarmItem a;
    a.kind = akDaily;
    a.mark = amCircle;
    a.colour = 0x0032C8C8;
    a.set_time = EncodeTime(hour, minute, 0, 0);
    a.next_time = At(2026, 12, 8, hour, minute);
    a.message = std::move(message);
    a.font_size = 12;
    a.action = "(なし)";
    a.sound = "一般の警告音";
    return a;
}

} // namespace

TEST(AlarmFields, SplitFollowsTheQuotingRule) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitAlarmFields("a, \"b c\" ,,\"x\"\"y\",", 20), (V{"a", "b c", "", "x\"y", ""}));
    EXPECT_EQ(SplitAlarmFields(" \t1 ,2\x01,3", 20), (V{"1", "2", "3"}));
    EXPECT_EQ(SplitAlarmFields("a b,c", 20), (V{"a", "b", "c"})); // a blank ends a bare field
    EXPECT_EQ(SplitAlarmFields("\"open, never closed", 20), (V{"open, never closed"}));
    EXPECT_EQ(SplitAlarmFields("\"\",\"\"", 20), (V{"", ""}));
    EXPECT_EQ(SplitAlarmFields("", 20), V{});
    EXPECT_EQ(SplitAlarmFields("1,2,3,4", 2), (V{"1", "2"}));
    EXPECT_EQ(QuoteAlarmField(""), "");
    EXPECT_EQ(QuoteAlarmField("plain"), "plain");
    EXPECT_EQ(QuoteAlarmField("a b"), "\"a b\"");
    EXPECT_EQ(QuoteAlarmField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(QuoteAlarmField("x,y"), "\"x,y\"");
    EXPECT_EQ(QuoteAlarmField("tab\there"), "\"tab\there\"");
}

TEST_F(AlarmFile, WritesShiftJisLinesWithCrLfAndQuotes) {
    TAlarmItem a = Daily(7, 30, "会議 \"A\", 3F");
    a.colour = kSystemWindowColour;
    TAlarmItem midnight = Daily(0, 0, "");
    midnight.kind = akTimer;
    midnight.before_seconds = 5;
    const std::string path = folder.Path("Default.CSV");
    ASSERT_TRUE(SaveAlarmFile(path, {a, midnight}).saved);
    const std::string expected =
        "0,2,0,2,-16777211,\"1899/12/30 07:30:00\",1,1,\"2026/12/08 07:30:00\","
        "\"会議 \"\"A\"\", 3F\",12,(なし),一般の警告音,0\r\n"
        "0,0,0,2,3328200,1899/12/30,1,1,2026/12/08,,12,(なし),一般の警告音,5\r\n";
    EXPECT_EQ(*ReadFileBytes(path), *Utf8ToSjis(expected));
}

TEST_F(AlarmFile, TextsWithBlanksCommasAndQuotesRoundTrip) {
    AlarmList list;
    for (const char* text : {"two words", "a,b", "\"quoted\"", "\"", " lead and trail ",
                             "tab\tinside", "全角　空白", "ｱﾗｰﾑ", ""}) {
        TAlarmItem a = Daily(9, 15, text);
        a.action = std::string("C:\\Program Files\\tool.exe /x ") + text;
        a.sound = text;
        list.push_back(a);
    }
    list[0].reserved = -7; // kept as read
    list[1].reserved2 = 99;
    list[2].kind = akWeekly;
    list[2].weekday = 4;
    list[3].kind = akMonthly;
    list[3].day_of_month = 31;
    const std::string path = folder.Path("round.vsa");
    ASSERT_TRUE(SaveAlarmFile(path, list).saved);
    AlarmList back;
    ReadAlarmText(*ReadFileBytes(path), path, {202, "", ""}, back);
    EXPECT_EQ(back, list);
}

TEST_F(AlarmFile, TextThatShiftJisCannotHoldIsKeptAsUtf8) {
    AlarmList list{Daily(8, 0, "naïve 😀 ünïcödé")};
    const std::string path = folder.Path("wide.vsa");
    ASSERT_TRUE(SaveAlarmFile(path, list).saved);
    EXPECT_EQ(ReadFileBytes(path)->substr(0, 3), kUtf8Bom);
    AlarmList back;
    ReadAlarmText(*ReadFileBytes(path), path, kOptions, back);
    EXPECT_EQ(back, list);
}

TEST_F(AlarmFile, LongTextsAreCutAt255ShiftJisBytesOnWholeCharacters) {
    std::string long_text;
    for (int i = 0; i < 200; ++i) long_text += "あ"; // two bytes each in Shift-JIS
    WriteSjis("long.CSV", "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\"," +
                              long_text + ",9,x" + std::string(300, 'y') + ",,0\r\n");
    const AlarmList list = Load("long.CSV");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(Utf8ToSjis(list[0].message)->size(), 254u);
    EXPECT_EQ(list[0].message.size(), 127u * 3);
    EXPECT_EQ(list[0].action.size(), 255u);

    // A record longer than the limit in memory is cut when written, too.
    TAlarmItem a = Daily(7, 0, long_text);
    ASSERT_TRUE(SaveAlarmFile(folder.Path("cut.CSV"), {a}).saved);
    EXPECT_EQ(Load("cut.CSV")[0].message.size(), 127u * 3);
}

TEST_F(AlarmFile, OptionalAndOlderFieldsReadAsDesigned) {
    // 13 fields: no lead time; empty action and sound: the first names of the lists.
    WriteSjis("a.CSV",
              "0,2,0,1,255,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",hi,9,,\r\n");
    AlarmList list = Load("a.CSV");
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].before_seconds, 0);
    EXPECT_EQ(list[0].action, "(なし)");
    EXPECT_EQ(list[0].sound, "(なし)");
    EXPECT_EQ(list[0].colour, 255u);
    EXPECT_EQ(list[0].message, "hi");

    // Before version 73 the kinds had no timer: 1 meant daily; 0 stays 0.
    WriteSjis("b.CSV", "0,1,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",,9,,,0\r\n"
                       "0,0,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",,9,,,0\n");
    list = Load("b.CSV", {70, "(なし)", "(なし)"});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].kind, akDaily);
    EXPECT_EQ(list[1].kind, akTimer);

    // Before version 69: bare fields, trimmed, and the last one is the rest of the line.
    WriteSjis("c.CSV", " 0 , 3 ,0,2, -16777211 , 1899/12/30 07:05:00 ,1, 2 , 2026/12/08 07:05:00 , "
                       "Good morning ,10, C:\\a b\\c.exe , d:\\x, y.wav \r");
    list = Load("c.CSV", {60, "(なし)", "(なし)"});
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].kind, akMonthly); // 3 was monthly then
    EXPECT_EQ(list[0].weekday, 2);
    EXPECT_EQ(list[0].message, "Good morning");
    EXPECT_EQ(list[0].action, "C:\\a b\\c.exe");
    EXPECT_EQ(list[0].sound, " d:\\x, y.wav ");
    EXPECT_EQ(list[0].before_seconds, 0);
    EXPECT_EQ(list[0].set_time, EncodeTime(7, 5, 0, 0));
}

TEST_F(AlarmFile, MidnightAndShortDateFormsReadBack) {
    WriteSjis("m.CSV", "0,0,0,0,0,1899/12/30,1,1,2026/12/9,,9,,,0\r\n"
                       "0,0,0,0,0,\"1899/12/30 7:05\",1,1,\"2026/12/9 7:05:09\",,9,,,0\r\n");
    const AlarmList list = Load("m.CSV");
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].set_time, 0);
    EXPECT_EQ(list[0].next_time, At(2026, 12, 9, 0, 0));
    EXPECT_EQ(list[1].next_time, At(2026, 12, 9, 7, 5, 9));
}

TEST_F(AlarmFile, LoadingCatchesUpAndSortsTheWholeList) {
    SetNowForTests([] { return At(2026, 12, 8, 8, 0); });
    TAlarmItem timer = Daily(7, 0, "old timer");
    timer.kind = akTimer;
    TAlarmItem daily = Daily(7, 0, "daily");
    daily.next_time = At(2026, 12, 7, 7, 0);
    ASSERT_TRUE(SaveAlarmFile(folder.Path("old.CSV"), {timer, daily}).saved);
    AlarmList list{Daily(21, 0, "already here")};
    list[0].next_time = At(2026, 12, 8, 21, 0);
    TAlarmItem early = Daily(9, 0, "early");
    ASSERT_TRUE(SaveAlarmFile(folder.Path("early.vsa"), {early}).saved);

    LoadAlarmFile(folder.Path("old.CSV"), list, kOptions);
    LoadAlarmFile(folder.Path("early.vsa"), list, kOptions);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].message, "early");
    EXPECT_EQ(list[1].message, "already here");
    EXPECT_EQ(list[2].message, "daily");
    EXPECT_EQ(DateTimeToText(list[2].next_time), "2026/12/09 07:00:00");

    // A missing file is no error and adds nothing.
    LoadAlarmFile(folder.Path("absent.CSV"), list, kOptions);
    EXPECT_EQ(list.size(), 3u);
}

TEST_F(AlarmFile, BadLinesAreNamedInJapaneseAndAddNothing) {
    const std::string good = "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",,9,,,0";
    const std::string path = folder.Path("bad.CSV");
    // Each message names the file and the line, then what the line holds and what it should.
    struct Case {
        std::string third;
        std::vector<std::string> said;
        bool warned; // the designed warning about a bad date comes first
    };
    for (const Case& c : std::vector<Case>{
             {"0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",,9,",
              {"3 行目は項目が 12 個しかありません", "13 個"},
              false},
             {"", {"3 行目は項目が 0 個しかありません"}, false},
             {"0,x,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08\",,9,,,0",
              {"3 行目、2 番目の項目（種類）「x」", "-2147483648 から 2147483647 までの整数"},
              false},
             {",2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08\",,9,,,0",
              {"3 行目、1 番目の項目（予備）「」", "までの整数"},
              false},
             {"0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08\",,9,,,99999999999",
              {"14 番目の項目（事前に鳴らす秒数）「99999999999」"},
              false},
             {"0,2,0,0,99999999999,\"1899/12/30 07:00:00\",1,1,\"2026/12/08\",,9,,,0",
              {"5 番目の項目（色）", "から 4294967295 までの整数"},
              false},
             {"0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"13/45/2030 99:99\",,9,,,0",
              {"3 行目、9 番目の項目（次回の時刻）「13/45/2030 99:99」",
               "「yyyy/mm/dd hh:mm:ss」の形"},
              true},
         }) {
        WriteSjis("bad.CSV", good + "\r\n" + good + "\r\n" + c.third + "\r\n" + good + "\r\n");
        AlarmList list{Daily(7, 0, "kept")};
        const AlarmList before = list;
        try {
            LoadAlarmFile(path, list, kOptions);
            ADD_FAILURE() << c.third;
        } catch (const AlarmFileError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("アラーム情報ファイル「" + path + "」の ", 0), 0u) << what;
            for (const std::string& part : c.said)
                EXPECT_NE(what.find(part), std::string::npos) << what << " / " << part;
            EXPECT_EQ(e.warning().empty(), !c.warned) << e.warning();
        }
        EXPECT_EQ(list, before) << "nothing of a file with a bad line is added";
    }
}

TEST_F(AlarmFile, BadDateAtStartUpRecoversToDefaultBak) {
    const std::string good =
        "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026/12/08 07:00:00\",,9,,,0\r\n";
    const std::string bad = "0,2,0,0,0,\"1899/12/30 07:00:00\",1,1,\"2026-12-08 7時\",,9,,,0\r\n";
    WriteSjis("Default.CSV", good + good + bad);
    const std::string path = folder.Path("Default.CSV");
    const std::string bad_bytes = *ReadFileBytes(path);
    AlarmList list;
    std::string error;
    try {
        LoadAlarmFile(path, list, kOptions);
        FAIL() << "the bad date was accepted";
    } catch (const AlarmFileError& e) {
        EXPECT_EQ(e.warning(), path + "の日付時刻文字列が不正です。\r\n2026-12-08 7時");
        error = e.what();
    }
    const AlarmRecovery r = RecoverAlarmFile(path, error, list);
    EXPECT_EQ(r.message,
              "アラーム情報の取得に失敗しました。\r\nアラーム情報を破棄します。\r\n"
              "現在のアラーム情報は「Default.bak」に退避します。\r\n"
              "「Default.bak」内の日付の書式を「yyyy/mm/dd hh:mm:ss」に編集してください。\r\n"
              "ErrorMessage : " +
                  error);
    EXPECT_TRUE(r.backup_saved);
    EXPECT_EQ(r.backup_path, folder.Path("Default.bak"));
    EXPECT_EQ(*ReadFileBytes(folder.Path("Default.bak")), bad_bytes);
    EXPECT_TRUE(list.empty());
    // Start-up then writes the empty list over the working file.
    ASSERT_TRUE(SaveAlarmFile(path, list).saved);
    EXPECT_EQ(*ReadFileBytes(path), "");

    // Without the failed file's bytes there is no backup, and the caller is told so.
    EXPECT_FALSE(RecoverAlarmFile(folder.Path("gone.CSV"), "x", list).backup_saved);
}

TEST_F(AlarmFile, AFailedWriteReportsAndKeepsTheOldFile) {
    const std::string path = folder.Path("no such folder") + PathSeparator() + "a.CSV";
    const AlarmSaveResult r = SaveAlarmFile(path, {Daily(7, 0, "x")});
    EXPECT_FALSE(r.saved);
    EXPECT_EQ(r.notice, AlarmFileNotice::Error);
    // The designed text, then the cause as a failed settings save names it.
    EXPECT_EQ(r.message.rfind("ｱﾗｰﾑ情報ﾌｧｲﾙ:" + path + "\r\nの出力に失敗しました。\r\n" +
                                  "ファイルが見つかりません。（エラー ",
                              0),
              0u)
        << r.message;
}
