// Letting window messages run while the user-interface thread waits for the network.
#pragma once

#include <windows.h>

namespace vistrel {

// Waits for `event` up to `timeout_ms` (INFINITE allowed) while messages keep running; true
// when the event was signalled.
bool WaitWithMessages(HANDLE event, DWORD timeout_ms);

} // namespace vistrel
