// The manager's status window: what it watches and how long the user has been idle. It is
// created hidden with the manager and only shown and hidden afterwards; "OK" hides it,
// "終了(&C)" ends the manager.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "clock/common/handles_win.h"
#include "clock/common/window_win.h"
#include "nappo/idle_watch.h"

namespace nappo {

inline constexpr wchar_t kStatusClass[] = L"TfrmNappoStatus";

class StatusWindow : public vistrel::Window {
public:
    enum : int {
        kIdOk = IDOK,
        kIdClose = 101,
        kIdIdle,
        kIdSaver,
        kIdWait,
        kIdMode,
        kIdState,
        kIdIcon
    };

    // on_end runs when the user asks to end the manager.
    explicit StatusWindow(std::function<void()> on_end) : on_end_(std::move(on_end)) {}
    void Create(HWND owner);

    void ShowIdle(std::uint32_t idle_ms);
    void ShowSettings(bool active, std::int64_t waiting_ms);
    void ShowMode(bool hook_mode);
    void ShowState(SaverState state);
    // Brings it up centred on the screen, in front.
    void ShowInFront();
    void Hide();

    // The text of one of its controls (kId...), as shown.
    std::string Text(int id) const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreateControls();
    HWND AddControl(const wchar_t* kind, const std::string& text, DWORD style, int id, int x, int y,
                    int width, int height);
    void SetText(int id, const std::string& text);
    void CentreOnScreen();

    std::function<void()> on_end_;
    vistrel::UniqueFont font_;
};

} // namespace nappo
