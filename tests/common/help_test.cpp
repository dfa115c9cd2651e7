#include "clock/common/help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "clock/common/file_io.h"
#include "clock/common/message_box.h"
#include "clock/common/text_encoding.h"
#include "support/scratch_folder.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;

// The pages as they are in the source tree; the build copies exactly this folder.
fs::path SourceHelpFolder() {
#ifdef VISTREL_WINE
    return fs::path("Z:" VISTREL_HELP_SOURCE);
#else
    return fs::path(VISTREL_HELP_SOURCE);
#endif
}

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The values of every attribute with this name (written name="value", as the pages are).
std::vector<std::string> AttributeValues(const std::string& page, const std::string& name) {
    const std::string opening = " " + name + "=\"";
    std::vector<std::string> values;
    for (std::size_t at = page.find(opening); at != std::string::npos;
         at = page.find(opening, at + 1)) {
        const std::size_t begin = at + opening.size();
        const std::size_t end = page.find('"', begin);
        if (end == std::string::npos) break;
        values.push_back(page.substr(begin, end - begin));
    }
    return values;
}

std::vector<std::string> Links(const std::string& page) {
    std::vector<std::string> links = AttributeValues(page, "href");
    const std::vector<std::string> sources = AttributeValues(page, "src");
    links.insert(links.end(), sources.begin(), sources.end());
    return links;
}

std::set<std::string> Ids(const std::string& page) {
    const std::vector<std::string> ids = AttributeValues(page, "id");
    return {ids.begin(), ids.end()};
}

// Every file of the help folder by name, with its bytes.
std::map<std::string, std::string> HelpFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(SourceHelpFolder())) {
        files[entry.path().filename().string()] = ReadWhole(entry.path());
    }
    return files;
}

bool IsHtml(const std::string& name) { return name.ends_with(".html"); }

bool LinksTo(const std::string& page, const std::string& target) {
    const std::vector<std::string> links = Links(page);
    return std::find(links.begin(), links.end(), target) != links.end();
}

TEST(HelpPages, EveryContextHasItsPageLinkedBothWaysWithTheContents) {
    const auto files = HelpFiles();
    ASSERT_TRUE(files.contains("index.html"));
    for (const int context : HelpContexts()) {
        const std::string name = HelpPageName(context);
        ASSERT_FALSE(name.empty()) << context;
        if (context == kHelpContents) continue;
        if (!files.contains(name)) {
            ADD_FAILURE() << "no page " << name;
            continue;
        }
        EXPECT_TRUE(LinksTo(files.at("index.html"), name)) << "the contents miss " << name;
        EXPECT_TRUE(LinksTo(files.at(name), "index.html")) << name << " has no way back";
    }
}

TEST(HelpPages, EveryLinkResolvesInsideTheFolder) {
    const auto files = HelpFiles();
    for (const auto& [name, bytes] : files) {
        if (!IsHtml(name)) continue;
        for (const std::string& link : Links(bytes)) {
            SCOPED_TRACE(name + " -> " + link);
            // Pages are opened from disk, often offline: nothing may reach outside the folder.
            EXPECT_EQ(link.find(':'), std::string::npos);
            EXPECT_FALSE(link.starts_with("/") || link.starts_with(".."));
            const std::size_t hash = link.find('#');
            const std::string file = link.substr(0, hash);
            const std::string target = file.empty() ? name : file;
            if (!files.contains(target)) {
                ADD_FAILURE() << "no such page";
                continue;
            }
            if (hash == std::string::npos) continue;
            EXPECT_TRUE(Ids(files.at(target)).contains(link.substr(hash + 1)));
        }
    }
}

TEST(HelpPages, EveryPageIsJapaneseUtf8AndSaysSo) {
    for (const auto& [name, bytes] : HelpFiles()) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(IsValidUtf8(bytes));
        EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF")); // the meta element names the encoding
        if (!IsHtml(name)) continue;
        EXPECT_NE(bytes.find("<meta charset=\"utf-8\">"), std::string::npos);
        EXPECT_NE(bytes.find("<html lang=\"ja\">"), std::string::npos);
        EXPECT_EQ(bytes.find("<script"), std::string::npos);
    }
}

// ShowHelp against a program folder of the test's own, with a recording browser.
class HelpShow : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFolderForTests(folder_.Path());
        fs::create_directories(folder_.File("help"));
        SetHelpOpenerForTests([this](const std::string& path) {
            opened_.push_back(path);
            return opener_succeeds_;
        });
        SetMessageBoxAnswererForTests([this](const MessageBoxCall& call) {
            messages_.push_back(call.text);
            return MsgResult::Ok;
        });
    }
    void TearDown() override {
        SetHelpOpenerForTests({});
        SetMessageBoxAnswererForTests({});
        SetProgramFolderForTests("");
    }
    void Install(int context) {
        test::WriteBytes(HelpPagePath(context), "<!doctype html><title>x</title>");
    }

    test::ScratchFolder folder_;
    std::vector<std::string> opened_;
    std::vector<std::string> messages_;
    bool opener_succeeds_ = true;
};

TEST_F(HelpShow, AnInstalledPageOpensInTheBrowserWithoutAWord) {
    Install(kHelpLoadStyle);
    Install(kHelpContents);
    ShowHelp(kHelpLoadStyle);
    ShowHelp(kHelpContents);
    const std::string help = folder_.File("help") + PathSeparator();
    EXPECT_EQ(opened_, (std::vector<std::string>{help + "topic36.html", help + "index.html"}));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(HelpShow, AMissingPageIsNamedAndNothingOpens) {
    Install(kHelpContents);
    ShowHelp(kHelpGeneral);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find(HelpPagePath(kHelpGeneral)), std::string::npos) << messages_[0];
    EXPECT_NE(messages_[0].find("topic06.html"), std::string::npos);
    EXPECT_TRUE(opened_.empty());
}

TEST_F(HelpShow, APageTheSystemCannotOpenIsNamed) {
    Install(kHelpAlarmView);
    opener_succeeds_ = false;
    ShowHelp(kHelpAlarmView);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].find("topic32.html"), std::string::npos) << messages_[0];
}

TEST_F(HelpShow, AContextWithoutAPageDoesNothing) {
    // 4 is the time-text page of the options, which has no help; the others were never used.
    for (const int context : {4, 1, 99, -1}) {
        SCOPED_TRACE(context);
        EXPECT_TRUE(HelpPageName(context).empty());
        ShowHelp(context);
    }
    EXPECT_TRUE(opened_.empty());
    EXPECT_TRUE(messages_.empty());
}

} // namespace
} // namespace vistrel
