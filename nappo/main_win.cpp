// Program entry of the screen saver manager.
#include <windows.h>

#include <exception>

#include "clock/common/arguments_win.h"
#include "clock/common/file_io.h"
#include "clock/common/handles_win.h"
#include "clock/common/message_box.h"
#include "clock/common/message_box_win.h"
#include "clock/common/system_info.h"
#include "nappo/entry_plan.h"
#include "nappo/hook_api_win.h"
#include "nappo/manager_window_win.h"
#include "nappo/nappo_ini.h"
#include "nappo/status_texts.h"

namespace {

// The status window takes Tab, Enter, Escape and its mnemonic like a dialog.
int RunMessageLoop(HWND status) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (status && IsWindowVisible(status) && IsDialogMessageW(status, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int RunManager() {
    using namespace nappo;
    const vistrel::UniqueHandle instance(CreateMutexW(nullptr, FALSE, kManagerMutex));
    // Linked by name at load time: the program does not start without the library.
    LiveNappoSystem system({&::SetHook, &::RemoveHook, &::GetLastTickCount});
    TfrmNappo manager(system, vistrel::ProgramFolder() + kNappoIniName, [] { PostQuitMessage(0); });
    manager.Create();
    return RunMessageLoop(manager.Status().hwnd());
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace nappo;
    vistrel::SetMessageBoxTitle(L"Nappo");
    try {
        const vistrel::UniqueHandle running(OpenMutexW(SYNCHRONIZE, FALSE, kManagerMutex));
        const EntryPlan plan = PlanEntry(vistrel::CommandLineArguments(),
                                         static_cast<bool>(running), vistrel::IsWindows95());
        switch (plan.kind) {
        case EntryKind::Forward:
            if (HWND manager = FindWindowW(kManagerClass, nullptr)) {
                SendArgumentTo(manager, plan.argument);
            }
            return 0;
        case EntryKind::End: return 0;
        case EntryKind::WarnOnly:
            vistrel::ShowMessageBox(vistrel::Tr(vistrel::Tx::NappoWindows95Only),
                                    vistrel::MsgType::Warning);
            return 0;
        case EntryKind::Run: return RunManager();
        }
    } catch (const std::exception& e) {
        vistrel::ShowErrorBox(e.what());
    }
    return 1;
}
