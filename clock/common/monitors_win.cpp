#include "clock/common/monitors_win.h"

#include <shellscalingapi.h>

namespace vistrel {

// The platform header's records, of the sizes the system documents for 64-bit programs.
static_assert(sizeof(MONITORINFO) == 40);

namespace {
HWND g_clock = nullptr;

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

Monitor InfoOf(HMONITOR handle, bool* primary = nullptr) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!handle || !GetMonitorInfoW(handle, &info)) {
        const Rect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return {screen, screen, static_cast<int>(GetDpiForSystem())};
    }
    if (primary) *primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    UINT dpi_x = 0, dpi_y = 0;
    if (FAILED(GetDpiForMonitor(handle, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y)) || dpi_y == 0)
        dpi_y = GetDpiForSystem();
    return {ToRect(info.rcMonitor), ToRect(info.rcWork), static_cast<int>(dpi_y)};
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM param) {
    auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(param);
    bool primary = false;
    const Monitor m = InfoOf(handle, &primary);
    if (primary) monitors.insert(monitors.begin(), m);
    else monitors.push_back(m);
    return TRUE;
}
} // namespace

std::vector<Monitor> CurrentMonitors() {
    std::vector<Monitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) monitors.push_back(InfoOf(nullptr));
    return monitors;
}

Monitor MonitorOfWindow(HWND window) {
    return InfoOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

Monitor MonitorOfRect(const Rect& rect) {
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    return InfoOf(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST));
}

int DpiOf(HWND window) {
    const UINT dpi = window ? GetDpiForWindow(window) : GetDpiForSystem();
    return dpi ? static_cast<int>(dpi) : 96;
}

void SetClockWindow(HWND clock) { g_clock = clock; }

Monitor ClockMonitor() {
    if (g_clock && IsWindow(g_clock)) return MonitorOfWindow(g_clock);
    return InfoOf(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY));
}

} // namespace vistrel
