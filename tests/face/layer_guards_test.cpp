#include "clock/face/layer_guards.h"

#include <gtest/gtest.h>

#include <vector>

#include "clock/common/error.h"
#include "clock/common/message_box.h"

namespace vistrel {
namespace {

class LayerGuardsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
            boxes.push_back(call);
            events.push_back("box");
            return MsgResult::Ok;
        });
        guards.SetBoxHooks(
            {[this] { events.push_back("stop"); }, [this] { events.push_back("start"); }});
    }
    void TearDown() override { SetMessageBoxAnswererForTests({}); }

    LayerGuards guards;
    std::vector<MessageBoxCall> boxes;
    std::vector<std::string> events;
};

TEST_F(LayerGuardsTest, FailureIsShownOncePerRunWithTheTickStopped) {
    const auto fail = [] { throw Error("broken"); };
    EXPECT_FALSE(guards.Run(FaceGuard::Numerals, fail));
    EXPECT_FALSE(guards.Run(FaceGuard::Numerals, fail));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "文字盤の描画でエラーが発生しました。\r\n以後このエラーを無視します。");
    EXPECT_EQ(boxes[0].type, MsgType::Warning);
    EXPECT_EQ(boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(events, (std::vector<std::string>{"stop", "box", "start"}));
    EXPECT_TRUE(guards.Shown(FaceGuard::Numerals));
    EXPECT_FALSE(guards.Shown(FaceGuard::Date));
    // Another guard has a flag of its own.
    EXPECT_FALSE(guards.Run(FaceGuard::Date, fail));
    EXPECT_EQ(boxes.size(), 2u);
}

TEST_F(LayerGuardsTest, SuccessShowsNothingAndNonStandardThrowsAreCaught) {
    int ran = 0;
    EXPECT_TRUE(guards.Run(FaceGuard::Hands, [&] { ++ran; }));
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(guards.Run(FaceGuard::Frame, [] { throw 42; }));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(LayerGuardsTest, FlagIsSetBeforeTheBoxSoANestedFailureStaysQuiet) {
    SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
        boxes.push_back(call);
        // A render that runs while the box waits fails the same way.
        guards.Run(FaceGuard::Ticks, [] { throw Error("again"); });
        return MsgResult::Ok;
    });
    guards.Run(FaceGuard::Ticks, [] { throw Error("first"); });
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(LayerGuardsTest, MessagesOfEveryGuard) {
    const std::string tail = "\r\n以後このエラーを無視します。";
    EXPECT_EQ(GuardMessage(FaceGuard::Hands, "x"), "針の描画でエラーが発生しました。" + tail);
    EXPECT_EQ(GuardMessage(FaceGuard::Date, "x"), "日付の描画でエラーが発生しました。" + tail);
    EXPECT_EQ(GuardMessage(FaceGuard::Ticks, "x"), "メモリの描画でエラーが発生しました。" + tail);
    EXPECT_EQ(GuardMessage(FaceGuard::AlarmMarks, "x"),
              "アラームマークの描画でエラーが発生しました。" + tail);
    EXPECT_EQ(GuardMessage(FaceGuard::Frame, "x"), "枠の描画でエラーが発生しました。" + tail);
    EXPECT_EQ(GuardMessage(FaceGuard::Time, "x"), "時刻の描画でエラーが発生しました。" + tail);
    EXPECT_EQ(GuardMessage(FaceGuard::ShapeScan, "x"),
              "リージョンの作成でエラーが発生しました。" + tail);
    // Only the hole names the error itself.
    EXPECT_EQ(GuardMessage(FaceGuard::Hole, "no cursor"),
              "ホール機能でエラーが発生しました。" + tail + "\r\nErrorMessage : no cursor");
}

TEST_F(LayerGuardsTest, UnknownErrorsAreShownEveryTime) {
    guards.ReportUnknown("boom");
    guards.ReportUnknown("boom");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "unknown error(SetClock)\r\nErrorMessage : boom");
    EXPECT_EQ(boxes[1].type, MsgType::Warning);
}

} // namespace
} // namespace vistrel
