// The three calls of the input hook library "Nappo.dll". The manager links them by name when it
// loads, so it does not start without the library.
#pragma once

#include <windows.h>

#ifdef NAPPO_HOOK_LIBRARY
#define NAPPO_HOOK_API __declspec(dllexport)
#else
#define NAPPO_HOOK_API __declspec(dllimport)
#endif

extern "C" {
// Installs the system-wide keyboard and mouse watch for the calling thread, which must run a
// message loop; non-zero when installed. The window is the manager's.
NAPPO_HOOK_API int WINAPI SetHook(HWND window);
// Removes the watch again.
NAPPO_HOOK_API void WINAPI RemoveHook();
// Stores in *cell the tick count (GetTickCount's clock) of the last keyboard or mouse event
// anywhere; zero (cell untouched) when no watch is installed or cell is null.
NAPPO_HOOK_API int WINAPI GetLastTickCount(DWORD* cell);
}
