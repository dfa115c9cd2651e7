#include "clock/app/single_instance_win.h"

namespace vistrel {

bool ActivateRunningCopy() {
    UniqueHandle existing(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstanceMutexName));
    if (!existing) return false;
    if (HWND main = FindWindowW(kMainWindowClass, nullptr)) {
        SetForegroundWindow(main);
        HWND top = reinterpret_cast<HWND>(GetWindowLongPtrW(main, GWLP_HWNDPARENT));
        if (!top) top = main;
        // Posted, not sent: this copy ends at once, even when the running one is busy (restoring a
        // window can take the window manager a while) or hangs.
        if (IsIconic(top)) PostMessageW(top, WM_SYSCOMMAND, SC_RESTORE, static_cast<LPARAM>(-1));
    }
    return true;
}

UniqueHandle ClaimInstance() {
    return UniqueHandle(CreateMutexW(nullptr, FALSE, kInstanceMutexName));
}

} // namespace vistrel
