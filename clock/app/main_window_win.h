// The clock window: borderless and square, owned by the application window. Creation and
// teardown follow a fixed order, so that a failed alarm file or a missing folder leaves a
// clock that still shows itself and saves nothing broken.
#pragma once

#include "clock/app/app_window_win.h"
#include "clock/app/command_line.h"
#include "clock/common/window_win.h"

namespace vistrel {

class TfrmVistrel : public Window {
public:
    TfrmVistrel(AppWindow& app, StartupFlags flags);
    // Runs the creation sequence and shows the window.
    void Create();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormDestroy();
    void SaveAll();

    void EnsureDataFolders();
    void StartTick();
    void ScheduleNextTick();
    void Timer1Timer();
    void OnPaint();

    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    AppWindow& app_;
    StartupFlags flags_;
    SetLayeredFn set_layered_ = nullptr;
    bool minimized_ = false;
    bool ticking_ = false;
    bool set_time_available_ = false;
    int size_ = 133;
};

} // namespace vistrel
