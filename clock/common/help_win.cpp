#include <windows.h>

#include <shellapi.h>

#include "clock/common/help.h"
#include "clock/common/wide_win.h"

namespace vistrel::detail {

bool OpenInBrowser(const std::string& path) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace vistrel::detail
