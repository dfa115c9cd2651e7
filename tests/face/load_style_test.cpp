#include "clock/face/load_style.h"

#include <gtest/gtest.h>

using namespace vistrel;

TEST(LoadStyleRules, NewerVersionInItsShortestDecimalForm) {
    const std::pair<int, const char*> cases[] = {
        {211, "2.11"}, {220, "2.2"}, {300, "3"},  {215, "2.15"},
        {205, "2.05"}, {1000, "10"}, {7, "0.07"}, {-150, "-1.5"},
    };
    for (const auto& [ver, text] : cases) EXPECT_EQ(StyleVersionText(ver), text) << ver;
    EXPECT_EQ(NewerStyleMessage(215),
              "このスタイルデータは Vistrel Ver 2.15 以降で正常に表示できます。");
}

TEST(LoadStyleRules, FoldersKeepOneSeparatorAndDriveRootsKeepTheirs) {
    EXPECT_EQ(FolderWithSeparator("D:\\"), "D:\\");
    EXPECT_EQ(FolderWithSeparator("C:\\styles"), "C:\\styles\\");
    EXPECT_EQ(BrowserSelection("C:\\styles\\"), "C:\\styles");
    EXPECT_EQ(BrowserSelection("C:\\"), "C:\\");
    EXPECT_EQ(BrowserSelection("C:\\a\\"), "C:\\a");
}
