// A wtsapi32.dll for the session probe: it answers the connection-state query
// with the state VESK_FAKE_SESSION names ("active", "disconnected"), or
// fails the query for anything else.
#include <windows.h>
#include <wtsapi32.h>

#include <cstdlib>
#include <cstring>

extern "C" BOOL WINAPI WTSQuerySessionInformationW(HANDLE, DWORD, WTS_INFO_CLASS infoClass, LPWSTR* buffer,
                                                   DWORD* bytesReturned)
{
    const char* wanted = getenv("VESK_FAKE_SESSION");
    if (infoClass != WTSConnectState || !wanted)
        return FALSE;

    WTS_CONNECTSTATE_CLASS state;
    if (strcmp(wanted, "active") == 0)
        state = WTSActive;
    else if (strcmp(wanted, "disconnected") == 0)
        state = WTSDisconnected;
    else
        return FALSE;

    auto* answer = static_cast<WTS_CONNECTSTATE_CLASS*>(LocalAlloc(LMEM_FIXED, sizeof(state)));
    *answer = state;
    *buffer = reinterpret_cast<LPWSTR>(answer);
    *bytesReturned = sizeof(state);
    return TRUE;
}

extern "C" void WINAPI WTSFreeMemory(void* memory)
{
    LocalFree(memory);
}
