// Calling a function of this module as the process's exit begins, on
// Windows. The C runtime's exit runs its atexit functions while every
// thread still runs, but it cannot forget one, and this module may be
// unloaded before the process ends. So what it calls is a few bytes of code
// outside the module, in a page that stays for the process's life: they
// jump through a pointer this module sets, and return at once once the
// module has cleared it as it went. One page per process and module file,
// found again by its name when the module is loaded again, so reloads add
// nothing.
#include "Platform.h"

#include <windows.h>

#include <corecrt_startup.h>

#include <cstring>
#include <string>

namespace platform
{
namespace
{
// mov rax, [rip + 57]; test rax, rax; je +2; jmp rax; ret: the function whose
// address is at kTargetOffset, or nothing while that is null.
constexpr unsigned char kForwarder[] = { 0x48, 0x8B, 0x05, 0x39, 0x00, 0x00, 0x00, 0x48,
                                         0x85, 0xC0, 0x74, 0x02, 0xFF, 0xE0, 0xC3 };
constexpr size_t kTargetOffset = 64;
constexpr DWORD kPageBytes = 4096;
static_assert(sizeof(kForwarder) <= kTargetOffset);

// This load's writable view of the page; null until CallAtExit set it.
void* g_page = nullptr;

void* volatile* Target(void* page)
{
    return reinterpret_cast<void* volatile*>(static_cast<char*>(page) + kTargetOffset);
}

// A name no other process and no other module of this one uses:
// "Local\vesk-exit-<process id>-<hash of this module's path>".
std::wstring PageName()
{
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&PageName), &self);
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(self, path.data(), DWORD(path.size())));
    uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (wchar_t c : path)
        hash = (hash ^ uint64_t(c)) * 1099511628211ull;
    wchar_t name[64];
    swprintf(name, 64, L"Local\\vesk-exit-%lu-%016llx", GetCurrentProcessId(), (unsigned long long)hash);
    return name;
}

// The first load makes the page, has the C runtime call it, and keeps the
// view and the handle for good (the handle keeps the name); a later load
// finds it, after checking it holds our code, and keeps a view of it while
// loaded.
void* OpenPage()
{
    HANDLE section = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_EXECUTE_READWRITE, 0, kPageBytes,
                                        PageName().c_str());
    if (!section)
        return nullptr;
    const bool found = GetLastError() == ERROR_ALREADY_EXISTS;
    void* page = MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, kPageBytes);
    if (found || !page)
    {
        CloseHandle(section);
        if (page && std::memcmp(page, kForwarder, sizeof(kForwarder)) != 0)
        {
            UnmapViewOfFile(page);
            return nullptr;
        }
        return page;
    }
    std::memcpy(page, kForwarder, sizeof(kForwarder));
    void* code = MapViewOfFile(section, FILE_MAP_READ | FILE_MAP_EXECUTE, 0, 0, kPageBytes);
    if (code && _crt_atexit(reinterpret_cast<_PVFV>(code)) == 0)
    {
        FlushInstructionCache(GetCurrentProcess(), code, sizeof(kForwarder));
        return page;
    }
    if (code)
        UnmapViewOfFile(code);
    UnmapViewOfFile(page);
    CloseHandle(section);
    return nullptr;
}

// As the module goes (unloaded, or at the process's end, after the exit's
// call), the page forgets it.
struct ForgetAtUnload
{
    ~ForgetAtUnload()
    {
        if (!g_page)
            return;
        InterlockedExchangePointer(Target(g_page), nullptr);
        UnmapViewOfFile(g_page);
        g_page = nullptr;
    }
} g_forgetAtUnload;
}

bool CallAtExit(void (*function)())
{
    if (!g_page)
        g_page = OpenPage();
    if (!g_page)
        return false;
    InterlockedExchangePointer(Target(g_page), reinterpret_cast<void*>(function));
    return true;
}
}
