#include "clock/app/main_window_win.h"

#include <exception>

#include "clock/app/single_instance_win.h"
#include "clock/common/clock_source.h"
#include "clock/common/error.h"
#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"

namespace vistrel {

namespace {
constexpr UINT_PTR kTickTimer = 1;
// The local time advances in steps of about 15 ms; aiming a little past the second boundary
// makes sure the new second is already there when the timer fires.
constexpr int kTickMarginMs = 20;
} // namespace

TfrmVistrel::TfrmVistrel(AppWindow& app, StartupFlags flags) : app_(app), flags_(flags) {}

void TfrmVistrel::Create() {
    RegisterClassOnce(kMainWindowClass, CS_DBLCLKS);
    const int x = GetSystemMetrics(SM_CXSCREEN) - size_;
    CreateOf(kMainWindowClass, 0, L"Vistrel", WS_POPUP, x, 0, size_, size_, app_.hwnd());
    try {
        FormCreate();
    } catch (const std::exception& e) {
        // The rest of the creation is skipped: the window shows but does not tick.
        ShowErrorBox(e.what());
    }
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    FormShow();
}

void TfrmVistrel::FormCreate() {
    minimized_ = false;
    if (flags_.wait_seconds > 0) Sleep(static_cast<DWORD>(flags_.wait_seconds) * 1000);

    // Translucency exists where the layered-window call exists.
    if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
        set_layered_ = reinterpret_cast<SetLayeredFn>(
            reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
    }

    app_.on_restore = [this] {
        minimized_ = false;
        app_.SetTaskbarButton(false);
    };
    app_.on_close = [this] { PostMessageW(hwnd(), WM_CLOSE, 0, 0); };

    EnsureDataFolders();
    {
        UniqueModule ws2(LoadLibraryW(L"ws2_32.dll"));
        set_time_available_ = static_cast<bool>(ws2);
    }
    StartTick();
}

void TfrmVistrel::FormShow() {
    app_.SetTaskbarButton(false);
    Timer1Timer();
}

void TfrmVistrel::EnsureDataFolders() {
    for (const char* name : {"style", "alarm"}) {
        const std::string path = ProgramFolder() + name;
        if (!MakeDirectory(path)) throw Error("Cannot create " + path);
    }
}

void TfrmVistrel::StartTick() {
    ticking_ = true;
    ScheduleNextTick();
}

void TfrmVistrel::ScheduleNextTick() {
    const int ms_into_second = DecodeTime(Now()).ms;
    SetTimer(hwnd(), kTickTimer, static_cast<UINT>(1000 - ms_into_second + kTickMarginMs), nullptr);
}

void TfrmVistrel::Timer1Timer() {
    if (ticking_) ScheduleNextTick();
}

void TfrmVistrel::OnPaint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd(), &ps);
    UniqueBrush brush(CreateSolidBrush(RGB(32, 32, 48)));
    RECT rc;
    GetClientRect(hwnd(), &rc);
    FillRect(dc, &rc, brush.get());
    EndPaint(hwnd(), &ps);
}

void TfrmVistrel::SaveAll() {
    // The alarm file first, then the settings: a failure of one must not cost the other.
}

void TfrmVistrel::FormClose() { SaveAll(); }

void TfrmVistrel::FormDestroy() {
    KillTimer(hwnd(), kTickTimer);
    ticking_ = false;
}

LRESULT TfrmVistrel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER:
        if (wp == kTickTimer) Timer1Timer();
        return 0;
    case WM_CLOSE:
        FormClose();
        DestroyWindow(hwnd());
        return 0;
    case WM_QUERYENDSESSION:
        SaveAll();
        return Default(msg, wp, lp);
    case WM_DESTROY:
        FormDestroy();
        PostQuitMessage(0);
        return 0;
    default: return Default(msg, wp, lp);
    }
}

} // namespace vistrel
