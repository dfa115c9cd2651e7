#include "clock/common/text_encoding.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(TextEncoding, JapaneseRoundTripsThroughShiftJis) {
    const std::string font = "ＭＳ Ｐゴシック";
    const auto sjis = Utf8ToSjis(font);
    ASSERT_TRUE(sjis.has_value());
    EXPECT_EQ(*sjis, "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_EQ(SjisToUtf8(*sjis), font);
    // Half-width katakana are single bytes in Shift-JIS.
    EXPECT_EQ(Utf8ToSjis("ﾋﾞｯﾄ")->size(), 4u);
}

TEST(TextEncoding, TextShiftJisCannotHoldIsRefusedNotReplaced) {
    EXPECT_FALSE(Utf8ToSjis("snow ☃ man").has_value());
    EXPECT_FALSE(Utf8ToSjis("\xFF\xFE").has_value()); // not UTF-8 at all
    const std::string file = EncodeTextFile("snow ☃ man");
    EXPECT_EQ(file.substr(0, 3), kUtf8Bom);
    EXPECT_EQ(DecodeTextFile(file), "snow ☃ man");
    EXPECT_EQ(DecodeTextFile(EncodeTextFile("時計")), "時計");
}

TEST(TextEncoding, CutNeverSplitsACharacter) {
    // "あ" is two bytes in Shift-JIS: 5 bytes hold "aあa" but not "aあaあ".
    EXPECT_EQ(CutToSjisBytes("aあaあ", 5), "aあa");
    EXPECT_EQ(CutToSjisBytes("aあaあ", 4), "aあa");
    EXPECT_EQ(CutToSjisBytes("aあaあ", 2), "a");
    EXPECT_EQ(CutToSjisBytes("abc", 255), "abc");
    const std::string long_text(300, 'x');
    EXPECT_EQ(CutToSjisBytes(long_text, 255).size(), 255u);
}

TEST(TextEncoding, MalformedShiftJisDecodesWithoutThrowing) {
    const std::string junk("\x82\xFF\x81", 3);
    EXPECT_FALSE(SjisToUtf8(junk).empty());
    EXPECT_TRUE(IsValidUtf8(SjisToUtf8(junk)));
}
