// Waiting in tests for windows that work through their own messages and timers.
#pragma once

#include <windows.h>

#include "clock/common/message_loop_win.h"

namespace vistrel::test_support {

// Runs messages until the condition holds or the time is up; tells whether it held.
template <class Condition> bool PumpUntil(Condition done, DWORD limit_ms) {
    const ULONGLONG end = GetTickCount64() + limit_ms;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        ProcessMessages();
        Sleep(5);
    }
    return true;
}

// Runs messages for a while.
inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

} // namespace vistrel::test_support
