// Calling a function of this module as the process's exit begins, on
// Windows. The C runtime's exit runs its atexit functions while every thread
// still runs, but it cannot forget one, and this module may be unloaded
// before the process ends. So what it calls is a few bytes of code outside
// the module, in memory of the process's own that stays for its life: they
// jump through a pointer this module sets, and return at once once the module
// has cleared it as it went. The memory is private: nothing outside the
// process can see or change the code the exit runs. A reload finds it again
// through a variable of the process's environment, named for the process and
// the module file, so reloads add nothing.
#include "Platform.h"

#include <windows.h>

#include <corecrt_startup.h>

#include <cstring>
#include <cwchar>
#include <string>

namespace platform
{
namespace
{
constexpr size_t kPageBytes = 4096;

// Two pages: the forwarder's code, read-only and executable once written,
// then the pointer it jumps through, writable.
// mov rax, [rip + kPageBytes - 7]; test rax, rax; je +2; jmp rax; ret
constexpr unsigned char kForwarder[] = { 0x48, 0x8B, 0x05, 0xF9, 0x0F, 0x00, 0x00, 0x48,
                                         0x85, 0xC0, 0x74, 0x02, 0xFF, 0xE0, 0xC3 };
static_assert(kPageBytes - 7 == 0x0FF9, "the displacement reaches the start of the second page");

// This load's forwarder; null until CallAtExit found or made it.
unsigned char* g_forwarder = nullptr;

void* volatile* Target(unsigned char* forwarder)
{
    return reinterpret_cast<void* volatile*>(forwarder + kPageBytes);
}

// "VESK_EXIT_<process id>_<hash of this module's path>": no other process,
// not even a child that inherits the environment, and no other module of
// this one reads the same variable.
std::wstring VariableName()
{
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&VariableName), &self);
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(self, path.data(), DWORD(path.size())));
    uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (wchar_t c : path)
        hash = (hash ^ uint64_t(c)) * 1099511628211ull;
    wchar_t name[64];
    swprintf(name, 64, L"VESK_EXIT_%lu_%016llx", GetCurrentProcessId(), (unsigned long long)hash);
    return name;
}

bool IsRegion(const void* address, DWORD protection)
{
    MEMORY_BASIC_INFORMATION region{};
    return VirtualQuery(address, &region, sizeof region) == sizeof region && region.BaseAddress == address &&
           region.State == MEM_COMMIT && region.Type == MEM_PRIVATE && region.Protect == protection &&
           region.RegionSize >= kPageBytes;
}

// The forwarder an earlier load of this module made, if the variable names
// one that is still what it made.
unsigned char* FindForwarder(const std::wstring& variable)
{
    wchar_t text[32] = {};
    if (GetEnvironmentVariableW(variable.c_str(), text, 32) == 0)
        return nullptr;
    auto* forwarder = reinterpret_cast<unsigned char*>(static_cast<uintptr_t>(std::wcstoull(text, nullptr, 16)));
    if (!forwarder || !IsRegion(forwarder, PAGE_EXECUTE_READ) || !IsRegion(forwarder + kPageBytes, PAGE_READWRITE) ||
        std::memcmp(forwarder, kForwarder, sizeof kForwarder) != 0)
        return nullptr;
    return forwarder;
}

// The first load writes the forwarder, has the C runtime call it, and keeps
// it for good.
unsigned char* MakeForwarder(const std::wstring& variable)
{
    auto* pages = static_cast<unsigned char*>(VirtualAlloc(nullptr, 2 * kPageBytes, MEM_COMMIT | MEM_RESERVE,
                                                           PAGE_READWRITE));
    if (!pages)
        return nullptr;
    std::memcpy(pages, kForwarder, sizeof kForwarder);
    DWORD previous = 0;
    if (!VirtualProtect(pages, kPageBytes, PAGE_EXECUTE_READ, &previous) ||
        !FlushInstructionCache(GetCurrentProcess(), pages, sizeof kForwarder) ||
        _crt_atexit(reinterpret_cast<_PVFV>(pages)) != 0)
    {
        VirtualFree(pages, 0, MEM_RELEASE);
        return nullptr;
    }
    wchar_t text[32];
    swprintf(text, 32, L"%llx", (unsigned long long)reinterpret_cast<uintptr_t>(pages));
    SetEnvironmentVariableW(variable.c_str(), text);
    return pages;
}

// As the module goes (unloaded, or at the process's end, after the exit's
// call), the forwarder forgets it.
struct ForgetAtUnload
{
    ~ForgetAtUnload()
    {
        if (g_forwarder)
            InterlockedExchangePointer(Target(g_forwarder), nullptr);
        g_forwarder = nullptr;
    }
} g_forgetAtUnload;
}

bool CallAtExit(void (*function)())
{
    if (!g_forwarder)
    {
        const std::wstring variable = VariableName();
        g_forwarder = FindForwarder(variable);
        if (!g_forwarder)
            g_forwarder = MakeForwarder(variable);
    }
    if (!g_forwarder)
        return false;
    InterlockedExchangePointer(Target(g_forwarder), reinterpret_cast<void*>(function));
    return true;
}
}
