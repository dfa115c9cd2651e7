#include "nappo/nappo_system_win.h"

#include "clock/common/error.h"

namespace nappo {

std::uint32_t LiveNappoSystem::TickCount() { return GetTickCount(); }

SaverSettings LiveNappoSystem::ReadSaverSettings() {
    SaverSettings settings;
    BOOL active = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0)) settings.active = active;
    int timeout = 0;
    if (SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &timeout, 0)) {
        settings.timeout_seconds = timeout;
    }
    return settings;
}

CursorPoint LiveNappoSystem::CursorPosition() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

KeyboardState LiveNappoSystem::Keyboard() {
    KeyboardState keys{};
    GetKeyboardState(keys.data());
    return keys;
}

bool LiveNappoSystem::SetHook(HWND window) {
    return hooks_.set_hook && hooks_.set_hook(window) != 0;
}

void LiveNappoSystem::RemoveHook() {
    if (hooks_.remove_hook) hooks_.remove_hook();
}

void LiveNappoSystem::GetLastTickCount(std::uint32_t& cell) {
    DWORD value = cell;
    if (!hooks_.get_last_tick_count || !hooks_.get_last_tick_count(&value)) {
        throw vistrel::Error("GetLastTickCount failed");
    }
    cell = value;
}

} // namespace nappo
