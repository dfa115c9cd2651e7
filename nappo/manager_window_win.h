// The manager's window "TfrmNappo": a real top-level window that is never shown (the clock's
// About window looks for it by its class), carrying the watch timer, the hook or the polling
// state, and the status window.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "clock/common/window_win.h"
#include "nappo/idle_watch.h"
#include "nappo/input_poll.h"
#include "nappo/nappo_system_win.h"
#include "nappo/status_window_win.h"

namespace nappo {

inline constexpr wchar_t kManagerClass[] = L"TfrmNappo";
inline constexpr wchar_t kManagerMutex[] = L"hPrevInst";

class TfrmNappo : public vistrel::Window {
public:
    static constexpr UINT_PTR kHookTimer = 1;
    static constexpr UINT_PTR kPollTimer = 2;

    // ini_path is "Nappo.Ini"; on_destroyed runs when the window is gone (the program ends its
    // message loop there).
    TfrmNappo(NappoSystem& system, std::string ini_path, std::function<void()> on_destroyed);
    ~TfrmNappo() override;
    // Creates the window without showing it and runs its creation.
    void Create();

    StatusWindow& Status() { return status_; }
    bool HookMode() const { return use_dll_; }
    const IdleWatch& Watch() const { return watch_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FormCreate();
    void ReadSaverSettings();
    void HookTimer();
    void PollTimer();
    void AfterIdle(std::uint32_t now, std::uint32_t last_input);
    void OnCopyData(const COPYDATASTRUCT* data);
    void FormClose();
    void FormDestroy();

    NappoSystem& system_;
    std::string ini_path_;
    std::function<void()> on_destroyed_;
    StatusWindow status_;
    IdleWatch watch_;
    bool use_dll_ = true;
    std::uint32_t last_input_cell_ = 0;
    std::optional<InputPoll> poll_;
    // A message box of the timer is modal: the timer's next steps wait until it is answered
    // instead of stacking one box a second.
    bool in_timer_box_ = false;
};

// Passes a second copy's argument to the running manager's window; false when it did not take
// it (no answer within a few seconds).
bool SendArgumentTo(HWND manager, const std::string& argument);

} // namespace nappo
