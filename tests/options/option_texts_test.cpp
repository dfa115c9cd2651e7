#include "clock/options/option_texts.h"

#include <gtest/gtest.h>

#include "clock/options/option_ids.h"
#include "tests/support/fake_string_source.h"

namespace vistrel {
namespace {

TEST(OptionTexts, LibraryReplacesByNumberAndKeepsTheRest) {
    OptionTexts texts = BuiltInOptionTexts(EncodeDate(2024, 3, 10)); // a Sunday
    std::map<int, std::string> library{{501, "Options"}, {3, "Clear"},    {46, "Alarms"},
                                       {34, "Marks"},    {116, "(none)"}, {185, "(none key)"}};
    for (int n = 56; n <= 68; ++n) library[n] = "style " + std::to_string(n);
    TranslateOptionTexts(test::FakeStringSource(library), texts);

    EXPECT_EQ(texts.captions[kOptionsWindowText], "Options");
    EXPECT_EQ(texts.lists[oid::cmbDblClickAction].front(), "Clear");
    EXPECT_EQ(texts.lists[oid::cmbDblClickAction].back(), "Alarms");
    EXPECT_EQ(LayerName(texts, 0), "Marks");
    EXPECT_EQ(LayerName(texts, 6), "時刻"); // no number for the last two layers
    EXPECT_EQ(LayerName(texts, 7), "");
    EXPECT_EQ(texts.lists[oid::cmbWeekType],
              (std::vector<std::string>{"(none)", "SUN", "SU", "Sun", "Su", "日"}));
    EXPECT_EQ(texts.captions[oid::rbtnTempKeyNone], "(none key)");
    // A number the library lacks gives an empty text, as such a library asks.
    EXPECT_EQ(texts.captions[oid::btnOK], "");
    EXPECT_EQ(texts.captions[oid::chkMultiUser], "ﾏﾙﾁﾕｰｻﾞｰ機能を使う");

    const std::vector<std::string>& styles = texts.lists[oid::cmbNeedleStyle];
    // Thirteen from the library; the two styles it has no entry for keep theirs, so that a
    // hand in them still shows its style (and keeps it when the dialog reads the list back).
    ASSERT_EQ(styles.size(), 15u);
    EXPECT_EQ(styles.front(), "style 56");
    EXPECT_EQ(styles[12], "style 68");
    EXPECT_EQ(styles[13], "ﾄﾗｲｱﾝｸﾞﾙ(ｼﾝﾌﾟﾙ)");
    EXPECT_EQ(styles[14], "菱形(ｼﾝﾌﾟﾙ)");
    EXPECT_EQ(texts.lists[oid::cmbMNeedleStyle].size(), 15u);
}

TEST(OptionTexts, EveryBuiltInListIsComplete) {
    const OptionTexts texts = BuiltInOptionTexts(EncodeDate(2024, 3, 10));
    const std::pair<int, std::size_t> lists[] = {
        {oid::lstDspOrder, 7},   {oid::cmbDblClickAction, 5}, {oid::cmbNeedleStyle, 15},
        {oid::cmbDateForm, 9},   {oid::cmbTimeForm, 6},       {oid::lstThickStyle, 4},
        {oid::lstFrameStyle, 3}, {oid::cmbWeekType, 6},
    };
    for (const auto& [id, count] : lists) {
        ASSERT_EQ(texts.lists.at(id).size(), count) << id;
        for (const std::string& entry : texts.lists.at(id)) EXPECT_FALSE(entry.empty()) << id;
    }
}

} // namespace
} // namespace vistrel
