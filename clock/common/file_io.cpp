#include "clock/common/file_io.h"

namespace vistrel {

namespace detail {
std::string PlatformProgramFolder(); // in the platform's file_io twin
}

namespace {
std::string& FolderOverride() {
    static std::string folder;
    return folder;
}
} // namespace

std::string ProgramFolder() {
    if (!FolderOverride().empty()) return FolderOverride();
    return detail::PlatformProgramFolder();
}

void SetProgramFolderForTests(const std::string& folder) {
    FolderOverride() = folder;
    if (!folder.empty() && folder.back() != PathSeparator() && folder.back() != '/') {
        FolderOverride().push_back(PathSeparator());
    }
}

} // namespace vistrel
