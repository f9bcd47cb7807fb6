#include "ObjectIsolation.h"

#include <windows.h>

const std::wstring& TestObjectPrefix()
{
    static const std::wstring prefix = [] {
        wchar_t inherited[256];
        const DWORD length = GetEnvironmentVariableW(kObjectPrefixVariable, inherited, 256);
        if (length > 0 && length < 256)
            return std::wstring(inherited, length);

        std::wstring own = L"vesk-test-" + std::to_wstring(GetCurrentProcessId()) + L"-";
        SetEnvironmentVariableW(kObjectPrefixVariable, own.c_str());
        return own;
    }();
    return prefix;
}

namespace
{
using CreateFileMappingFn = HANDLE(WINAPI*)(HANDLE file, LPSECURITY_ATTRIBUTES security, DWORD protect,
                                            DWORD sizeHigh, DWORD sizeLow, LPCWSTR name);

HANDLE WINAPI CreateIsolatedFileMapping(HANDLE file, LPSECURITY_ATTRIBUTES security, DWORD protect, DWORD sizeHigh,
                                        DWORD sizeLow, LPCWSTR name)
{
    static const auto createFileMapping = reinterpret_cast<CreateFileMappingFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CreateFileMappingW")));
    if (!name)
        return createFileMapping(file, security, protect, sizeHigh, sizeLow, nullptr);

    HANDLE mapping = nullptr;
    DWORD error = 0;
    {
        const std::wstring isolated = TestObjectPrefix() + name;
        mapping = createFileMapping(file, security, protect, sizeHigh, sizeLow, isolated.c_str());
        error = GetLastError();
    }
    // The caller reads ERROR_ALREADY_EXISTS after the call; freeing the name
    // must not have changed it.
    SetLastError(error);
    return mapping;
}

using CreateMutexFn = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCWSTR name);

// The mutex that guards a block's creation goes with the block's name.
HANDLE WINAPI CreateIsolatedMutex(LPSECURITY_ATTRIBUTES security, BOOL initialOwner, LPCWSTR name)
{
    static const auto createMutex = reinterpret_cast<CreateMutexFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CreateMutexW")));
    if (!name)
        return createMutex(security, initialOwner, nullptr);

    HANDLE mutex = nullptr;
    DWORD error = 0;
    {
        const std::wstring isolated = TestObjectPrefix() + name;
        mutex = createMutex(security, initialOwner, isolated.c_str());
        error = GetLastError();
    }
    SetLastError(error);
    return mutex;
}

// Children started before the first block is opened inherit the prefix too.
const std::wstring& g_prefix = TestObjectPrefix();
}

extern "C"
{
// The import slot that every CreateFileMappingW call of this program reads.
CreateFileMappingFn __imp_CreateFileMappingW = CreateIsolatedFileMapping;
CreateMutexFn __imp_CreateMutexW = CreateIsolatedMutex;
}
