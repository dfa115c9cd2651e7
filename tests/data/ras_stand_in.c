/* A stand-in for the system's "rasapi32.dll" that checks the connection record as 64-bit Windows
   does: dwSize must be the size of one of the record's versions under the header's 4-byte
   packing, and the buffer must hold at least one record; any other size is refused with
   ERROR_INVALID_SIZE. It reports one connection, so that nothing would dial. Wine's own library
   ignores the size, so only this stand-in lets a test see a wrong one. */
#include <windows.h>

/* The remote-access errors of the platform header. */
#define STAND_IN_BUFFER_TOO_SMALL 603
#define STAND_IN_INVALID_SIZE 632

/* The versions' sizes for a 64-bit process: entry name and devices; + phone book and sub-entry;
   + entry GUID; + flags and LUID; + correlation GUID. */
static const DWORD kAcceptedSizes[] = {416, 680, 696, 708, 724};

static DWORD last_size;
static LONG calls;

__declspec(dllexport) DWORD WINAPI
    RasEnumConnectionsA(void* connections, DWORD* bytes, DWORD* count) {
    InterlockedIncrement(&calls);
    if (!connections || !bytes || !count) return ERROR_INVALID_PARAMETER;
    const DWORD size = *(const DWORD*)connections;
    last_size = size;
    BOOL known = FALSE;
    for (unsigned i = 0; i < sizeof kAcceptedSizes / sizeof kAcceptedSizes[0]; ++i) {
        known = known || size == kAcceptedSizes[i];
    }
    if (!known) return STAND_IN_INVALID_SIZE;
    if (*bytes < size) {
        *bytes = size;
        return STAND_IN_BUFFER_TOO_SMALL;
    }
    /* One connection: the caller's record is kept apart from its size and handle. */
    *(HANDLE*)((char*)connections + 4) = (HANDLE)(ULONG_PTR)0x5a5a;
    *bytes = size;
    *count = 1;
    return ERROR_SUCCESS;
}

/* What the last call was given and how many calls there were, for the test. */
__declspec(dllexport) DWORD WINAPI StandInLastSize(void) { return last_size; }
__declspec(dllexport) LONG WINAPI StandInCalls(void) { return calls; }
