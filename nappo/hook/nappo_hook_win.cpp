// The input hook library. It uses the system's low-level keyboard and mouse hooks: they run on
// the installing thread (the manager's), so no code of ours is loaded into other processes, and
// they see the input of 32- and 64-bit programs alike. All it keeps is the tick count of the
// last event.
#define NAPPO_HOOK_LIBRARY
#include "nappo/hook_api_win.h"

#include <atomic>
#include <utility>

namespace {

// One installed hook, removed exactly once.
class InstalledHook {
public:
    InstalledHook() = default;
    explicit InstalledHook(HHOOK h) : h_(h) {}
    ~InstalledHook() { reset(); }
    InstalledHook(const InstalledHook&) = delete;
    InstalledHook& operator=(const InstalledHook&) = delete;
    InstalledHook& operator=(InstalledHook&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    explicit operator bool() const { return h_ != nullptr; }
    void reset() {
        if (h_) UnhookWindowsHookEx(std::exchange(h_, nullptr));
    }

private:
    HHOOK h_ = nullptr;
};

HINSTANCE g_instance = nullptr;
InstalledHook g_keyboard;
InstalledHook g_mouse;
std::atomic<DWORD> g_last_input{0};

LRESULT CALLBACK OnInput(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION) g_last_input.store(GetTickCount(), std::memory_order_relaxed);
    return CallNextHookEx(nullptr, code, wp, lp);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" int WINAPI SetHook(HWND) {
    if (g_keyboard && g_mouse) return 1;
    // Until the first event the watch counts from its own start, not from the system's.
    g_last_input.store(GetTickCount(), std::memory_order_relaxed);
    g_keyboard = InstalledHook(SetWindowsHookExW(WH_KEYBOARD_LL, &OnInput, g_instance, 0));
    g_mouse = InstalledHook(SetWindowsHookExW(WH_MOUSE_LL, &OnInput, g_instance, 0));
    if (g_keyboard && g_mouse) return 1;
    RemoveHook();
    return 0;
}

extern "C" void WINAPI RemoveHook() {
    g_keyboard.reset();
    g_mouse.reset();
}

extern "C" int WINAPI GetLastTickCount(DWORD* cell) {
    if (!cell || !g_keyboard || !g_mouse) return 0;
    *cell = g_last_input.load(std::memory_order_relaxed);
    return 1;
}
