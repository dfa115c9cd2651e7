#include <windows.h>

#include "clock/common/file_in_use.h"
#include "clock/common/handles_win.h"
#include "clock/common/wide_win.h"

namespace vistrel {

bool FileInUse(const std::string& path) {
    // Asking for delete access with full sharing fails only when some other open of the file
    // refuses to share deletion, which is what would make the replace fail.
    UniqueFile probe(CreateFileW(Widen(path).c_str(), DELETE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (probe) return false;
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

} // namespace vistrel
