/* A language library holds only strings. It is linked without the C runtime, so this is its
   whole entry point: loading it, also as an ordinary library, runs nothing else. (The program
   maps it as resources only, where no entry point runs at all.) */
#include <windows.h>

BOOL WINAPI DllMainCRTStartup(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
