// Test driver: looks at a running clock from outside, as the window system sees it, and sends it
// the commands a user would give through the window system.
//   probe_win state              found, visible, iconic owner, rectangle, extended style, alpha
//   probe_win wait <ms>          waits until the clock window exists
//   probe_win minimize|restore|close
//   probe_win display <w> <h>    tells the clock the screen size changed
//   probe_win dpi <dpi>          tells the clock its monitor's DPI changed
//   probe_win command <n>        posts the clock the command number n, as its menu does
//   probe_win monitors           every monitor: bounds and work area
//   probe_win window <caption>   the rectangle of our visible top-level window with that caption
//   probe_win controls <caption> its visible controls, one a line: id, class, screen rectangle
//                                and text, so that a script clicks a control wherever a window
//                                manager put the window and however wide its frame is
//   probe_win topmost            whether the clock window and its owner are topmost
//   probe_win popup              whether a pop-up menu is open (and where)
//   probe_win tooltip            whether a tooltip window (of any program) is shown
//   probe_win box [ms]           waits for a message box of the clock's and prints its text
//   probe_win dismiss [id]       presses OK (or the default button, or the button id) of that box
//   probe_win closetime          closes the clock and prints how long until its window is gone
//                                and until its process has ended
//   probe_win nappo              the screen saver manager: its window, status window and idle time
//   probe_win taskbarcreated     tells the clock a notification area has (re)started, as a shell
//                                does with the message "TaskbarCreated"
//   probe_win trayclick          a right click on the clock's tray icon, as the shell reports it
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <cwchar>

#include "nappo/manager_window_win.h"

namespace {

HWND MainWindow() { return FindWindowW(L"TfrmVistrel", nullptr); }

HWND Owner(HWND main) {
    HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrW(main, GWLP_HWNDPARENT));
    return owner ? owner : main;
}

int State() {
    HWND main = MainWindow();
    if (!main) {
        std::printf("found=0\n");
        return 1;
    }
    RECT r;
    GetWindowRect(main, &r);
    const HWND owner = Owner(main);
    BYTE alpha = 255;
    DWORD layered = 0;
    if (!GetLayeredWindowAttributes(main, nullptr, &alpha, &layered)) layered = 0;
    std::printf("found=1 visible=%d iconic=%d x=%ld y=%ld w=%ld h=%ld exstyle=%lx ownerex=%lx "
                "alpha=%d\n",
                IsWindowVisible(main) ? 1 : 0, IsIconic(owner) ? 1 : 0, r.left, r.top,
                r.right - r.left, r.bottom - r.top,
                static_cast<unsigned long>(GetWindowLongPtrW(main, GWL_EXSTYLE)),
                static_cast<unsigned long>(GetWindowLongPtrW(owner, GWL_EXSTYLE)),
                (layered & LWA_ALPHA) ? alpha : 255);
    return 0;
}

int Wait(int ms) {
    for (int waited = 0; waited < ms; waited += 50) {
        if (MainWindow()) return 0;
        Sleep(50);
    }
    std::printf("timeout\n");
    return 1;
}

int SysCommand(WPARAM command) {
    HWND main = MainWindow();
    if (!main) return 1;
    SendMessageW(Owner(main), WM_SYSCOMMAND, command, 0);
    return 0;
}

// A message box of the clock's process: a dialog-class window with a static text 0xFFFF.
HWND FindBox() {
    struct Search {
        DWORD pid = 0;
        HWND found = nullptr;
    } search;
    HWND main = MainWindow();
    if (!main) return nullptr;
    GetWindowThreadProcessId(main, &search.pid);
    EnumWindows(
        [](HWND w, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            wchar_t cls[32] = {};
            GetClassNameW(w, cls, 32);
            if (pid == s.pid && !std::wcscmp(cls, L"#32770") && GetDlgItem(w, 0xFFFF)) {
                s.found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Box(int ms) {
    for (int waited = 0; waited < ms; waited += 50) {
        if (HWND box = FindBox()) {
            wchar_t text[4096] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 4096);
            char utf8[16384] = {};
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
            std::fwrite(utf8, 1, std::strlen(utf8), stdout);
            std::printf("\n");
            return 0;
        }
        Sleep(50);
    }
    std::printf("no box\n");
    return 1;
}

int Dismiss(int button) {
    HWND box = FindBox();
    if (!box) return 1;
    const LRESULT def = SendMessageW(box, DM_GETDEFID, 0, 0);
    const WORD id = button                       ? static_cast<WORD>(button)
                    : HIWORD(def) == DC_HASDEFID ? LOWORD(def)
                                                 : IDOK;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    return 0;
}

int CloseTime() {
    HWND main = MainWindow();
    if (!main) return 1;
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    LARGE_INTEGER freq, start, now;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&start);
    const auto elapsed_ms = [&] {
        QueryPerformanceCounter(&now);
        return static_cast<long>((now.QuadPart - start.QuadPart) * 1000 / freq.QuadPart);
    };
    PostMessageW(main, WM_CLOSE, 0, 0);
    while (IsWindow(main) && IsWindowVisible(main) && elapsed_ms() < 20000) Sleep(5);
    const long hidden = elapsed_ms();
    while (IsWindow(main) && elapsed_ms() < 20000) Sleep(5);
    const long gone = elapsed_ms();
    if (process) WaitForSingleObject(process, 20000);
    const long ended = elapsed_ms();
    if (process) CloseHandle(process);
    std::printf("hidden_ms=%ld window_gone_ms=%ld process_end_ms=%ld\n", hidden, gone, ended);
    return 0;
}

int Nappo() {
    HWND manager = FindWindowW(nappo::kManagerClass, nullptr);
    HWND status = FindWindowW(nappo::kStatusClass, nullptr);
    if (!manager) {
        std::printf("manager=0\n");
        return 1;
    }
    wchar_t idle[32] = {};
    if (status) GetDlgItemTextW(status, nappo::StatusWindow::kIdIdle, idle, 32);
    std::printf("manager=1 toplevel=%d visible=%d status=%d idle=%ls\n",
                GetAncestor(manager, GA_PARENT) == GetDesktopWindow() ? 1 : 0,
                IsWindowVisible(manager) ? 1 : 0, status && IsWindowVisible(status) ? 1 : 0, idle);
    return 0;
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO i{};
    i.cbSize = sizeof i;
    if (!GetMonitorInfoW(monitor, &i)) return TRUE;
    std::printf("monitor=%ld,%ld,%ld,%ld work=%ld,%ld,%ld,%ld primary=%d\n", i.rcMonitor.left,
                i.rcMonitor.top, i.rcMonitor.right, i.rcMonitor.bottom, i.rcWork.left, i.rcWork.top,
                i.rcWork.right, i.rcWork.bottom, (i.dwFlags & MONITORINFOF_PRIMARY) ? 1 : 0);
    return TRUE;
}

// The caption as typed: from the wide command line, since the narrow one depends on the code page.
HWND WindowOfCaptionArgument() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    HWND w = args && count > 2 ? FindWindowW(nullptr, args[2]) : nullptr;
    LocalFree(args);
    return w;
}

void PrintUtf8(const wchar_t* text) {
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    for (char* c = utf8; *c; ++c) {
        if (*c == '\n' || *c == '\r') *c = ' ';
    }
    std::fputs(utf8, stdout);
}

BOOL CALLBACK PrintControl(HWND control, LPARAM) {
    RECT r;
    if (!IsWindowVisible(control) || !GetWindowRect(control, &r)) return TRUE;
    wchar_t cls[64] = {}, text[256] = {};
    GetClassNameW(control, cls, 64);
    GetWindowTextW(control, text, 256);
    std::printf("id=%d x=%ld y=%ld w=%ld h=%ld class=", GetDlgCtrlID(control), r.left, r.top,
                r.right - r.left, r.bottom - r.top);
    PrintUtf8(cls);
    std::printf(" text=");
    PrintUtf8(text);
    std::printf("\n");
    return TRUE;
}

int Controls() {
    HWND w = WindowOfCaptionArgument();
    if (!w || !IsWindowVisible(w)) {
        std::printf("found=0\n");
        return 1;
    }
    EnumChildWindows(w, PrintControl, 0);
    return 0;
}

int Topmost() {
    HWND main = MainWindow();
    if (!main) return 1;
    const auto topmost = [](HWND w) {
        return (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0;
    };
    std::printf("clock=%d owner=%d\n", topmost(main), topmost(Owner(main)));
    return 0;
}

// The system's pop-up menu window class.
int Popup() {
    HWND menu = FindWindowW(MAKEINTATOM(0x8000), nullptr);
    RECT r;
    if (!menu || !IsWindowVisible(menu) || !GetWindowRect(menu, &r)) {
        std::printf("open=0\n");
        return 1;
    }
    std::printf("open=1 x=%ld y=%ld w=%ld h=%ld \n", r.left, r.top, r.right - r.left,
                r.bottom - r.top);
    return 0;
}

int Tooltip() {
    bool shown = false;
    EnumWindows(
        [](HWND w, LPARAM data) -> BOOL {
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (IsWindowVisible(w) && !std::wcscmp(cls, TOOLTIPS_CLASSW)) {
                *reinterpret_cast<bool*>(data) = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    std::printf("shown=%d\n", shown ? 1 : 0);
    return shown ? 0 : 1;
}

int WindowRect() {
    HWND w = WindowOfCaptionArgument();
    RECT r;
    if (!w || !IsWindowVisible(w) || !GetWindowRect(w, &r)) {
        std::printf("found=0\n");
        return 1;
    }
    std::printf("found=1 x=%ld y=%ld w=%ld h=%ld \n", r.left, r.top, r.right - r.left,
                r.bottom - r.top);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const char* cmd = argv[1];
    if (!std::strcmp(cmd, "state")) return State();
    if (!std::strcmp(cmd, "wait")) return Wait(argc > 2 ? std::atoi(argv[2]) : 10000);
    if (!std::strcmp(cmd, "minimize")) return SysCommand(SC_MINIMIZE);
    if (!std::strcmp(cmd, "restore")) return SysCommand(SC_RESTORE);
    if (!std::strcmp(cmd, "display") && argc > 3) {
        HWND main = MainWindow();
        const LPARAM size = MAKELPARAM(std::atoi(argv[2]), std::atoi(argv[3]));
        return main && SendMessageW(main, WM_DISPLAYCHANGE, 32, size) == 0 ? 0 : 1;
    }
    if (!std::strcmp(cmd, "dpi") && argc > 2) {
        // As the system tells a per-monitor aware window that its monitor's DPI changed (Wine
        // never does). The system's suggested rectangle is a pointer into the sender's memory,
        // which another process cannot read: none is passed, the clock sizes itself.
        HWND main = MainWindow();
        const WORD dpi = static_cast<WORD>(std::atoi(argv[2]));
        return main && SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0) == 0 ? 0 : 1;
    }
    if (!std::strcmp(cmd, "command") && argc > 2) {
        HWND main = MainWindow();
        return main && PostMessageW(main, WM_COMMAND, std::atoi(argv[2]), 0) ? 0 : 1;
    }
    if (!std::strcmp(cmd, "monitors"))
        return EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0) ? 0 : 1;
    if (!std::strcmp(cmd, "window") && argc > 2) return WindowRect();
    if (!std::strcmp(cmd, "controls") && argc > 2) return Controls();
    if (!std::strcmp(cmd, "topmost")) return Topmost();
    if (!std::strcmp(cmd, "popup")) return Popup();
    if (!std::strcmp(cmd, "tooltip")) return Tooltip();
    if (!std::strcmp(cmd, "box")) return Box(argc > 2 ? std::atoi(argv[2]) : 10000);
    if (!std::strcmp(cmd, "dismiss")) return Dismiss(argc > 2 ? std::atoi(argv[2]) : 0);
    if (!std::strcmp(cmd, "closetime")) return CloseTime();
    if (!std::strcmp(cmd, "nappo")) return Nappo();
    if (!std::strcmp(cmd, "taskbarcreated")) {
        HWND main = MainWindow();
        return main && PostMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0) ? 0 : 1;
    }
    if (!std::strcmp(cmd, "trayclick")) {
        // The clock's tray callback message (TfrmVistrel::kTrayMessage) with the mouse's message.
        HWND main = MainWindow();
        return main && PostMessageW(main, WM_APP + 1, 1, WM_RBUTTONUP) ? 0 : 1;
    }
    if (!std::strcmp(cmd, "close")) {
        HWND main = MainWindow();
        return main && PostMessageW(main, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    return 2;
}
