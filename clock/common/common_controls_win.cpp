#include "clock/common/common_controls_win.h"

#include <windows.h>

#include <commctrl.h>

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);

bool InitCommonControlsOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof init;
        init.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_LINK_CLASS;
        return InitCommonControlsEx(&init) != FALSE;
    }();
    return done;
}

} // namespace vistrel
