// Letting window messages run while the user-interface thread waits for the network.
#pragma once

#include <windows.h>

namespace vistrel {

// Dispatches every pending message. A quit request is put back for the main loop; true when
// one was seen.
bool ProcessPendingMessages();

// Waits for `event` up to `timeout_ms` (INFINITE allowed) while messages keep running; true
// when the event was signalled.
bool WaitWithMessages(HANDLE event, DWORD timeout_ms);

} // namespace vistrel
