// One copy of the clock at a time: a named mutex, and a second start that brings the running
// copy forward instead.
#pragma once

#include "clock/common/handles_win.h"

namespace vistrel {

inline constexpr const wchar_t* kInstanceMutexName = L"hVistrelInst";
inline constexpr const wchar_t* kMainWindowClass = L"TfrmVistrel";

// True when another copy holds the mutex; that copy's window is then brought to the front and
// restored if minimised. Nothing is read or written.
bool ActivateRunningCopy();

// Creates the mutex of this copy; it lives as long as the returned handle.
UniqueHandle ClaimInstance();

} // namespace vistrel
