// Program entry of the clock.
#include <windows.h>

#include <exception>

#include "clock/app/app_window_win.h"
#include "clock/app/command_line.h"
#include "clock/app/main_window_win.h"
#include "clock/app/single_instance_win.h"
#include "clock/common/arguments_win.h"
#include "clock/common/common_controls_win.h"
#include "clock/common/message_box.h"
#include "clock/common/message_box_win.h"
#include "clock/common/message_loop_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace vistrel;
    if (ActivateRunningCopy()) return 0;
    UniqueHandle instance = ClaimInstance();
    InitCommonControlsOnce();
    try {
        AppWindow app;
        app.Create();
        SetMessageBoxOwner(app.hwnd());
        TfrmVistrel clock(app, ParseCommandLine(CommandLineArguments()));
        PrepareProcessEnd();
        clock.Create();
        const int exit_code = RunMessageLoop();
        clock.Destroy();
        // Every file is saved and the tray icon is gone: the system takes the rest.
        EndProcessNow();
        return exit_code;
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
        return 1;
    }
}
