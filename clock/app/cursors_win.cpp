#include "clock/app/cursors_win.h"

namespace vistrel {

HCURSOR CursorFor(int number) {
    const wchar_t* name = nullptr;
    switch (number) {
    case 1: name = L"CLOCK1"; break;
    case 2: name = L"CLOCK2"; break;
    case 3: name = L"CLOCK3"; break;
    case 4: name = L"CLOCK4"; break;
    case 5: name = L"CLOCK5"; break;
    case kCursorSizeVertical: name = L"SIZE_V1"; break;
    case kCursorSizeHorizontal: name = L"SIZE_H1"; break;
    default: break;
    }
    HCURSOR cursor = name ? LoadCursorW(GetModuleHandleW(nullptr), name) : nullptr;
    return cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
}

} // namespace vistrel
