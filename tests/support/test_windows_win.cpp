#include "support/test_windows_win.h"

#include "clock/common/wide_win.h"

namespace vistrel::test_support {

std::string TextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return Narrow(text);
}

std::string ItemText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

StandInWindow::StandInWindow(int x, int y, int width, int height, const wchar_t* title,
                             bool shown) {
    hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", title, WS_POPUP, x, y, width, height,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (shown) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

StandInWindow::~StandInWindow() { DestroyWindow(hwnd_); }

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM data) -> BOOL {
            ++*reinterpret_cast<int*>(data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace vistrel::test_support
