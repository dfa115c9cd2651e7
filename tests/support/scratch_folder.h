// A fresh, empty folder under the system's temporary folder for one test, removed again at the
// end of the test. Works the same natively and under Wine.
#pragma once

#include <filesystem>
#include <string>

namespace vistrel::test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder with a trailing separator, as the program folder is given.
    std::string Path() const;
    // Path() + name.
    std::string File(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// Whole-file helpers for tests: the exact bytes, or "" when the file is missing.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

} // namespace vistrel::test
