// Help pages for one test: the program folder points at a scratch folder whose help folder
// holds the pages asked for, and the pages opened are recorded instead of starting a browser.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "clock/common/file_io.h"
#include "clock/common/help.h"
#include "support/scratch_folder.h"

namespace vistrel::test {

class RecordedHelp {
public:
    explicit RecordedHelp(std::initializer_list<int> contexts) {
        SetProgramFolderForTests(folder_.Path());
        std::filesystem::create_directory(folder_.File("help"));
        for (const int context : contexts) WriteBytes(HelpPagePath(context), "<html></html>");
        SetHelpOpenerForTests([this](const std::string& path) {
            pages.push_back(path);
            return true;
        });
    }
    ~RecordedHelp() {
        SetHelpOpenerForTests({});
        SetProgramFolderForTests("");
    }
    RecordedHelp(const RecordedHelp&) = delete;
    RecordedHelp& operator=(const RecordedHelp&) = delete;

    std::vector<std::string> pages; // full paths, in the order opened

private:
    ScratchFolder folder_;
};

} // namespace vistrel::test
