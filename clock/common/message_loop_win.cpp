#include "clock/common/message_loop_win.h"

#include <algorithm>
#include <vector>

#include "clock/common/dialog_win.h"

namespace vistrel {

namespace {
struct QuitState {
    bool requested = false;
    int exit_code = 0;
};
QuitState& Quit() {
    static QuitState quit;
    return quit;
}

std::vector<HWND>& ModelessDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

bool ToModelessDialog(MSG& msg) {
    // A copy: a dialog that closes while handling the message unregisters itself.
    const std::vector<HWND> dialogs = ModelessDialogs();
    for (HWND dialog : dialogs) {
        if (!IsWindow(dialog)) continue;
        if (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd)) continue;
        if (Dialog* object = Dialog::FromHandle(dialog); object && object->PreTranslate(msg))
            return true;
        if (IsDialogMessageW(dialog, &msg)) return true;
    }
    return false;
}
} // namespace

void RegisterModelessDialog(HWND dialog) {
    auto& dialogs = ModelessDialogs();
    if (std::find(dialogs.begin(), dialogs.end(), dialog) == dialogs.end()) {
        dialogs.push_back(dialog);
    }
}

void UnregisterModelessDialog(HWND dialog) { std::erase(ModelessDialogs(), dialog); }

void DispatchOne(MSG& msg) {
    if (ToModelessDialog(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return true;
        }
        DispatchOne(msg);
    }
    return false;
}

void RequestQuit(int exit_code) {
    Quit() = {true, exit_code};
    PostQuitMessage(exit_code);
}

bool RenewQuitRequest() {
    if (!Quit().requested) return false;
    MSG pending;
    if (!PeekMessageW(&pending, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
        PostQuitMessage(Quit().exit_code);
    }
    return true;
}

namespace {
struct ProcessEnd {
    HANDLE armed = nullptr;
    DWORD delay_ms = 0;
};
ProcessEnd& End() {
    static ProcessEnd end;
    return end;
}
} // namespace

void PrepareProcessEnd() {
    if (End().armed) return;
    End().armed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!End().armed) return;
    // The thread is made now, not at the close: making a thread then can wait behind the
    // system's worker threads (a file dialog leaves some) for seconds.
    const auto wait = [](LPVOID) -> DWORD {
        WaitForSingleObject(End().armed, INFINITE);
        Sleep(End().delay_ms);
        EndProcessNow();
    };
    if (HANDLE thread = CreateThread(nullptr, 0, wait, nullptr, 0, nullptr)) CloseHandle(thread);
}

void EndProcessAfter(unsigned ms) {
    PrepareProcessEnd();
    End().delay_ms = ms;
    if (End().armed) SetEvent(End().armed);
}

void EndProcessNow() {
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(Quit().exit_code));
    ExitProcess(static_cast<UINT>(Quit().exit_code)); // not reached
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
    return static_cast<int>(msg.wParam);
}

} // namespace vistrel
