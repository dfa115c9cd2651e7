/* The test language library holds only strings. It is linked without the C runtime, so this
   is its whole entry point: loading it, also as an ordinary library, runs nothing else. */
#include <windows.h>

BOOL WINAPI DllMainCRTStartup(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
