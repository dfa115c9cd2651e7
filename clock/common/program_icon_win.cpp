#include "clock/common/program_icon_win.h"

#include "resources/resource.h"

namespace vistrel {

HICON ProgramIcon(bool small) {
    const int cx = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    const int cy = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    // LR_SHARED: the system keeps one copy per size and frees it with the program.
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VISTREL),
                                         IMAGE_ICON, cx, cy, LR_SHARED));
}

void GiveProgramIcon(HWND window) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(false)));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(true)));
}

} // namespace vistrel
