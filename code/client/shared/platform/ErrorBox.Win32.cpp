// The fatal error box on Windows: whether a user would see one, and showing
// it.
#include "Platform.h"

#include "WideText.h"

#include <windows.h>
#include <wtsapi32.h>

#include <cstring>

namespace platform
{
bool CanShowMessageBox()
{
    // Loaded at run time (and kept), as not every system has it.
    HMODULE wtsapi = LoadLibraryW(L"wtsapi32.dll");
    if (!wtsapi)
        return true;

    using QuerySessionFn = BOOL(WINAPI*)(HANDLE server, DWORD sessionId, WTS_INFO_CLASS infoClass, LPWSTR* buffer,
                                         DWORD* bytesReturned);
    using FreeMemoryFn = void(WINAPI*)(void* memory);
    const auto querySession = FindExportAs<QuerySessionFn>(wtsapi, "WTSQuerySessionInformationW");
    const auto freeMemory = FindExportAs<FreeMemoryFn>(wtsapi, "WTSFreeMemory");
    if (!querySession)
        return true;

    LPWSTR buffer = nullptr;
    DWORD bytesReturned = 0;
    if (!querySession(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, WTSConnectState, &buffer, &bytesReturned))
        return true;

    // A buffer too short for the state says nothing about the session.
    int32_t state = WTSActive;
    if (buffer && bytesReturned >= sizeof(state))
        memcpy(&state, buffer, sizeof(state));
    if (freeMemory)
        freeMemory(buffer);
    return state == WTSActive;
}

void ShowErrorBox(void* ownerWindow, std::u16string_view message, std::u16string_view caption)
{
    const std::u16string text = Terminated(message);
    const std::u16string title = Terminated(caption);
    MessageBoxW(static_cast<HWND>(ownerWindow), Wide(text), Wide(title), MB_ICONERROR);
}
}
