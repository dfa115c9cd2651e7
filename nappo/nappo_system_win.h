// What the manager asks of the system: the tick count, the screen saver settings, the cursor and
// keyboard for polling mode, and the hook library. One interface, so that tests can run the
// manager's window on a settable clock and a stand-in library.
#pragma once

#include <windows.h>

#include <cstdint>

#include "nappo/idle_watch.h"
#include "nappo/input_poll.h"

namespace nappo {

class NappoSystem {
public:
    virtual ~NappoSystem() = default;
    virtual std::uint32_t TickCount() = 0;
    virtual SaverSettings ReadSaverSettings() = 0;
    virtual CursorPoint CursorPosition() = 0;
    virtual KeyboardState Keyboard() = 0;
    virtual bool SetHook(HWND window) = 0;
    virtual void RemoveHook() = 0;
    // Fills cell with the tick count of the last input; throws vistrel::Error when the library
    // fails, leaving cell as it was.
    virtual void GetLastTickCount(std::uint32_t& cell) = 0;
};

// The hook library's calls, as the program linked them (or a test loaded them).
struct HookFunctions {
    int(WINAPI* set_hook)(HWND) = nullptr;
    void(WINAPI* remove_hook)() = nullptr;
    int(WINAPI* get_last_tick_count)(DWORD*) = nullptr;
};

// The system's own answers, with the given hook library.
class LiveNappoSystem final : public NappoSystem {
public:
    explicit LiveNappoSystem(HookFunctions hooks) : hooks_(hooks) {}
    std::uint32_t TickCount() override;
    SaverSettings ReadSaverSettings() override;
    CursorPoint CursorPosition() override;
    KeyboardState Keyboard() override;
    bool SetHook(HWND window) override;
    void RemoveHook() override;
    void GetLastTickCount(std::uint32_t& cell) override;

private:
    HookFunctions hooks_;
};

} // namespace nappo
