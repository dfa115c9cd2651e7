#include "clock/alarm/alarm_notice_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "clock/alarm/alarm_sound_choice.h"
#include "clock/common/vocabulary.h"

using namespace vistrel;

namespace {

TAlarmItem Fired(const char* message) {
    TAlarmItem item;
    item.next_time = EncodeDateTime(2026, 12, 8, 7, 5, 0, 0);
    item.message = message;
    return item;
}

// Where the text is drawn, tick by tick, until the board asks to close (or `most` ticks).
std::vector<int> RunBoard(BoardScroll& scroll, int most, bool& closed) {
    std::vector<int> drawn;
    closed = false;
    for (int i = 0; i < most && !closed; ++i) {
        const BoardScroll::Step step = scroll.Advance();
        drawn.push_back(step.draw_x);
        closed = step.close;
    }
    return drawn;
}

} // namespace

TEST(BoardSpeed, TableFromFastestToSlowest) {
    const BoardSpeed expected[] = {{50, 3}, {100, 2}, {50, 1}, {100, 1}, {150, 1}, {200, 1}};
    for (int speed = 1; speed <= 6; ++speed) {
        const BoardSpeed got = BoardSpeedOf(speed);
        EXPECT_EQ(got.interval_ms, expected[speed - 1].interval_ms) << "speed " << speed;
        EXPECT_EQ(got.step, expected[speed - 1].step) << "speed " << speed;
    }
    // 2 and 3 move the text equally fast, 20 pixels a second, in steps of 2 and of 1.
    EXPECT_EQ(1000 / BoardSpeedOf(2).interval_ms * BoardSpeedOf(2).step, 20);
    EXPECT_EQ(1000 / BoardSpeedOf(3).interval_ms * BoardSpeedOf(3).step, 20);
    // A damaged setting never asks for a timer of no interval or a step backwards.
    for (int speed : {0, -7, 7, 1000}) {
        EXPECT_GE(BoardSpeedOf(speed).interval_ms, 50) << speed;
        EXPECT_GE(BoardSpeedOf(speed).step, 1) << speed;
    }
}

TEST(BoardScroll, ClosesWhenTheTextHasLeftTheSecondTime) {
    // Image 10 wide, text 4 wide, step 3: 7, 4, 1, -2, -5 (left) | 7, 4, 1, -2, -5 (left).
    BoardScroll scroll(10, 4, 3, 2);
    bool closed = false;
    const std::vector<int> drawn = RunBoard(scroll, 100, closed);
    EXPECT_TRUE(closed);
    EXPECT_EQ(drawn, (std::vector<int>{7, 4, 1, -2, -5, 7, 4, 1, -2, -5}));
    EXPECT_EQ(scroll.passes(), 2);
    EXPECT_EQ(scroll.x(), 10); // ready for a next pass from the right edge
}

TEST(BoardScroll, TextExactlyAtItsWidthHasLeft) {
    BoardScroll scroll(4, 4, 2, 1);
    bool closed = false;
    EXPECT_EQ(RunBoard(scroll, 100, closed), (std::vector<int>{2, 0, -2, -4}));
    EXPECT_TRUE(closed);
}

TEST(BoardScroll, TimesZeroOrLessNeverCloses) {
    for (int times : {0, -1}) {
        BoardScroll scroll(20, 5, 4, times);
        bool closed = false;
        RunBoard(scroll, 1000, closed);
        EXPECT_FALSE(closed) << times;
        EXPECT_GT(scroll.passes(), 100) << times;
    }
}

TEST(BoardPlacement, TopBelowTheCaptionAndHeightAroundTheText) {
    // 133 / 100 * 63 = 83.79: the fraction is cut off.
    EXPECT_EQ(BoardTop(100, 133, true), 183);
    EXPECT_EQ(BoardTop(100, 133, false), 133);
    EXPECT_EQ(BoardTop(-50, 200, true), 76);
    EXPECT_EQ(BoardHeight(12, 1, 2), 22);
    EXPECT_EQ(FusenTabWidth(40, 23, 2), 71);
}

TEST(AlarmTexts, WindowsShowTheTimeAndMessageInTheDisplayFormats) {
    InitVocabulary();
    const TAlarmItem item = Fired("会議");
    EXPECT_EQ(AlarmMsgTitle(item), "2026/12/08 07時 05分 - Vistrel");
    EXPECT_EQ(AlarmFusenCaption(item), "07時 05分");
    EXPECT_EQ(AlarmMemoText(item), "\r\n会議");
    EXPECT_EQ(AlarmBoardText(item), "07時 05分 会議 ");

    // The language library may bring formats of its own.
    AlarmTimeFormat = "hh:nn";
    AlarmDateTimeFormat = "";
    EXPECT_EQ(AlarmFusenCaption(item), "07:05");
    EXPECT_EQ(AlarmBoardText(item), "07:05 会議 ");
    EXPECT_EQ(AlarmMsgTitle(item), " - Vistrel");
    InitVocabulary();
}

TEST(AlarmTexts, FontSizeOfADamagedRecordStaysSane) {
    EXPECT_EQ(AlarmFontPoints(9), 9);
    EXPECT_EQ(AlarmFontPoints(20), 20);
    EXPECT_EQ(AlarmFontPoints(0), 9);
    EXPECT_EQ(AlarmFontPoints(-12), 9);
    EXPECT_EQ(AlarmFontPoints(2000000000), 200);
}

TEST(SoundChoice, NamesOfTheSoundListAndFiles) {
    InitVocabulary();
    using Kind = SoundChoice::Kind;
    EXPECT_EQ(ChooseSound("").kind, Kind::None);
    EXPECT_EQ(ChooseSound("(なし)").kind, Kind::None);
    const unsigned beeps[] = {0x00, 0x10, 0x30, 0x40, 0x20};
    for (int i = 1; i <= 5; ++i) {
        const SoundChoice c = ChooseSound(SoundNames[i]);
        EXPECT_EQ(c.kind, Kind::Beep) << SoundNames[i];
        EXPECT_EQ(c.beep_type, beeps[i - 1]) << SoundNames[i];
    }
    EXPECT_EQ(ChooseSound("C:\\Windows\\Media\\chimes.wav").kind, Kind::File);
    EXPECT_EQ(ChooseSound("一般の警告音 ").kind, Kind::File); // no fuzzy matching

    // Names from a language library: the built-in Japanese name is then a file name.
    SoundNames = {"(silent)", "Beep", "", "", "", ""};
    EXPECT_EQ(ChooseSound("(silent)").kind, Kind::None);
    EXPECT_EQ(ChooseSound("Beep").kind, Kind::Beep);
    EXPECT_EQ(ChooseSound("一般の警告音").kind, Kind::File);
    // Except the built-in "no sound": files written in Japanese hold it.
    EXPECT_EQ(ChooseSound("(なし)").kind, Kind::None);
    InitVocabulary();
}
