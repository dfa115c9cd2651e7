// A fresh folder for one test's files, removed afterwards; it also stands in as the program
// folder, so that backups land inside it.
#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "clock/common/file_io.h"

namespace vistrel::test {

class TestFolder {
public:
    TestFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("vistrel_alarm_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
        SetProgramFolderForTests(Path(""));
    }
    ~TestFolder() {
        SetProgramFolderForTests("");
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The full path of a file in the folder (with a trailing separator for an empty name).
    std::string Path(const std::string& name) const {
        return path_.string() + PathSeparator() + name;
    }

private:
    std::filesystem::path path_;
};

} // namespace vistrel::test
