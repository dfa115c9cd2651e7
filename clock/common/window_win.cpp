#include "clock/common/window_win.h"

#include <exception>

#include "clock/common/error.h"
#include "clock/common/message_box.h"

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(WNDCLASSEXW) == 80);

Window::~Window() {
    if (hwnd_) {
        // Detach first: the object is going away, the messages of the destruction are not ours.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        const HWND h = hwnd_;
        hwnd_ = nullptr;
        DestroyWindow(h);
    }
}

void Window::LeaveToSystem() {
    if (!hwnd_) return;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

void Window::RegisterClassOnce(const wchar_t* class_name, UINT class_style, HCURSOR cursor,
                               HICON icon, int background) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, class_name, &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = class_style;
    wc.lpfnWndProc = &Window::StaticProc;
    wc.hInstance = instance;
    wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = icon;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background));
    wc.lpszClassName = class_name;
    if (!RegisterClassExW(&wc)) throw Error("RegisterClass failed");
}

void Window::CreateOf(const wchar_t* class_name, DWORD ex_style, const wchar_t* title, DWORD style,
                      int x, int y, int width, int height, HWND owner) {
    CreateWindowExW(ex_style, class_name, title, style, x, y, width, height, owner, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (!hwnd_) throw Error("CreateWindow failed");
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    const auto proc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
    if (proc != &Window::StaticProc) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);

    const LRESULT result =
        GuardedCall([&] { return self->HandleMessage(msg, wp, lp); }, LRESULT{0});
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        GuardedCall(
            [&] {
                self->OnFinalMessage();
                return 0;
            },
            0);
    }
    return result;
}

void ReportEscapedException() noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            ShowErrorBox(e.what());
        } catch (...) {
            ShowErrorBox("unknown error");
        }
    } catch (...) {
        // The error box itself failed: nothing is left that could report it.
    }
}

} // namespace vistrel
