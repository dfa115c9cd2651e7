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

TEST(TextEncoding, FileTextRoundTripsByteForByteEvenWhenNotValidShiftJis) {
    const std::string cases[] = {
        "plain ascii",
        *Utf8ToSjis("時計の針"),
        "a\x81 b",          // a lead byte followed by a blank
        "end\x82",          // a lead byte at the very end
        "\xFD\xFE\xFF\xA0", // bytes that start no character
        *Utf8ToSjis("混ぜる") + "\x81\x7F" + *Utf8ToSjis("字"),
    };
    for (const std::string& bytes : cases) {
        const std::string text = DecodeTextFile(bytes);
        EXPECT_TRUE(IsValidUtf8(text));
        EXPECT_EQ(EncodeTextFile(text), bytes);
    }
    // Text the user typed that Shift-JIS cannot hold still goes to UTF-8 with the mark.
    EXPECT_EQ(EncodeTextFile("☃").substr(0, 3), kUtf8Bom);
}

TEST(TextEncoding, Utf16LittleEndianConvertsBothWays) {
    const std::string text = "時計 a ☃ 𝄞";
    const std::string wide = Utf8ToUtf16Le(text);
    EXPECT_EQ(wide.substr(0, 2), std::string("\x42\x66", 2)); // 時 is U+6642
    EXPECT_EQ(Utf16LeToUtf8(wide), text);
    // An unpaired surrogate becomes the replacement character; an odd last byte is dropped.
    EXPECT_EQ(Utf16LeToUtf8(std::string("\x00\xD8"
                                        "a\x00"
                                        "b",
                                        5)),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_TRUE(LooksLikeUtf16(std::string(kUtf16LeBom) + "x"));
    EXPECT_TRUE(LooksLikeUtf16(wide));
    EXPECT_FALSE(LooksLikeUtf16("0,2,0\r\n1,2\0,3"));
}
