// Test driver: looks at a running clock from outside, as the window system sees it, and sends it
// the commands a user would give through the window system.
//   probe_win state              found, visible, iconic owner, rectangle, extended style
//   probe_win wait <ms>          waits until the clock window exists
//   probe_win minimize|restore|close
//   probe_win display <w> <h>    tells the clock the screen size changed
//   probe_win nappo              the screen saver manager: its window, status window and idle time
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cstdlib>

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
    std::printf("found=1 visible=%d iconic=%d x=%ld y=%ld w=%ld h=%ld exstyle=%lx ownerex=%lx\n",
                IsWindowVisible(main) ? 1 : 0, IsIconic(owner) ? 1 : 0, r.left, r.top,
                r.right - r.left, r.bottom - r.top,
                static_cast<unsigned long>(GetWindowLongPtrW(main, GWL_EXSTYLE)),
                static_cast<unsigned long>(GetWindowLongPtrW(owner, GWL_EXSTYLE)));
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
    if (!std::strcmp(cmd, "nappo")) return Nappo();
    if (!std::strcmp(cmd, "close")) {
        HWND main = MainWindow();
        return main && PostMessageW(main, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    return 2;
}
