#include "nappo/manager_window_win.h"

#include <exception>

#include "clock/common/message_box.h"
#include "clock/common/system_actions.h"
#include "nappo/entry_plan.h"
#include "nappo/nappo_ini.h"
#include "nappo/status_texts.h"

namespace nappo {

TfrmNappo::TfrmNappo(NappoSystem& system, std::string ini_path, std::function<void()> on_destroyed)
    : system_(system), ini_path_(std::move(ini_path)), on_destroyed_(std::move(on_destroyed)),
      status_([this] { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }) {}

TfrmNappo::~TfrmNappo() = default;

void TfrmNappo::Create() {
    RegisterClassOnce(kManagerClass);
    CreateOf(kManagerClass, 0, L"Nappo", WS_OVERLAPPED, 0, 0, 0, 0, nullptr);
    status_.Create(hwnd());
    FormCreate();
}

void TfrmNappo::FormCreate() {
    use_dll_ = ReadUseDll(ini_path_);
    ReadSaverSettings();
    if (use_dll_) {
        if (!system_.SetHook(hwnd())) {
            // Without the watch there is nothing to measure: the manager stays idle until ended.
            ShowMessageBox(vistrel::Tr(vistrel::Tx::NappoHookFailed), vistrel::MsgType::Plain);
            return;
        }
        status_.ShowMode(true);
        SetTimer(hwnd(), kHookTimer, 1000, nullptr);
        HookTimer();
    } else {
        status_.ShowMode(false);
        poll_.emplace(system_.TickCount(), system_.CursorPosition(), system_.Keyboard());
        SetTimer(hwnd(), kPollTimer, 1000, nullptr);
        PollTimer();
    }
}

void TfrmNappo::ReadSaverSettings() {
    watch_.ApplySettings(system_.ReadSaverSettings());
    status_.ShowSettings(watch_.SaverActive(), watch_.WaitingMs());
}

void TfrmNappo::HookTimer() {
    if (in_timer_box_) return;
    try {
        system_.GetLastTickCount(last_input_cell_);
    } catch (const std::exception&) {
        in_timer_box_ = true;
        ShowMessageBox(kTickError, vistrel::MsgType::Plain);
        in_timer_box_ = false;
    }
    // Goes on with the last value the library gave.
    AfterIdle(system_.TickCount(), last_input_cell_);
}

void TfrmNappo::PollTimer() {
    const std::uint32_t now = system_.TickCount();
    AfterIdle(now, poll_->Observe(now, system_.CursorPosition(), system_.Keyboard()));
}

void TfrmNappo::AfterIdle(std::uint32_t now, std::uint32_t last_input) {
    const IdleStep step = watch_.Step(now, last_input);
    status_.ShowIdle(step.idle_ms);
    status_.ShowState(step.state);
    if (step.start_saver) vistrel::CurrentSystemActions().StartScreenSaver(hwnd());
}

void TfrmNappo::OnCopyData(const COPYDATASTRUCT* data) {
    const std::string argument = data ? ReadCopyData(data->lpData, data->cbData) : std::string();
    if (IsEndRequest(argument)) {
        // Posted: the copy that sent it ends at once instead of waiting for our teardown. The
        // status window is not brought up first only to vanish again at once.
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    status_.ShowInFront();
}

void TfrmNappo::FormClose() {
    try {
        WriteNappoIni(ini_path_, use_dll_);
    } catch (const std::exception& e) {
        vistrel::ShowErrorBox(e.what());
    }
}

void TfrmNappo::FormDestroy() {
    KillTimer(hwnd(), kHookTimer);
    KillTimer(hwnd(), kPollTimer);
    if (use_dll_) system_.RemoveHook();
}

LRESULT TfrmNappo::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp == kHookTimer) HookTimer();
        if (wp == kPollTimer) PollTimer();
        return 0;
    case WM_WININICHANGE: {
        const LRESULT result = Default(msg, wp, lp);
        ReadSaverSettings();
        return result;
    }
    case WM_COPYDATA: OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp)); return TRUE;
    case WM_CLOSE:
        FormClose();
        DestroyWindow(hwnd());
        return 0;
    case WM_DESTROY: FormDestroy(); return 0;
    case WM_NCDESTROY:
        if (on_destroyed_) on_destroyed_();
        return Default(msg, wp, lp);
    default: return Default(msg, wp, lp);
    }
}

bool SendArgumentTo(HWND manager, const std::string& argument) {
    CopyDataPayload payload = MakeCopyData(argument);
    COPYDATASTRUCT data{};
    data.cbData = static_cast<DWORD>(payload.size());
    data.lpData = payload.data();
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(manager, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                               SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

} // namespace nappo
