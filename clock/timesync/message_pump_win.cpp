#include "clock/timesync/message_pump_win.h"

#include "clock/common/message_loop_win.h"

namespace vistrel {

bool WaitWithMessages(HANDLE event, DWORD timeout_ms) {
    const ULONGLONG start = GetTickCount64();
    bool quitting = false;
    for (;;) {
        DWORD remaining = INFINITE;
        if (timeout_ms != INFINITE) {
            const ULONGLONG elapsed = GetTickCount64() - start;
            remaining = elapsed >= timeout_ms ? 0 : static_cast<DWORD>(timeout_ms - elapsed);
        }
        // Once the program is quitting, the remaining wait lets no more messages run.
        const DWORD r = quitting ? WaitForSingleObject(event, remaining)
                                 : MsgWaitForMultipleObjectsEx(1, &event, remaining, QS_ALLINPUT,
                                                               MWMO_INPUTAVAILABLE);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1 || quitting) return false;
        quitting = ProcessMessages();
    }
}

} // namespace vistrel
