// Threads on Windows: threads that keep their module loaded while they run,
// and thread slots as fiber-local storage.
#include "Platform.h"

#include <windows.h>

namespace platform
{
// Fiber-local storage: its callback runs as each thread ends, as a thread
// key's destructor does.
ThreadSlot CreateThreadSlot(void (*destroy)(void*))
{
    const DWORD index = FlsAlloc(reinterpret_cast<PFLS_CALLBACK_FUNCTION>(destroy));
    if (index == FLS_OUT_OF_INDEXES)
        return {};
    return { uintptr_t(index), true };
}

void DeleteThreadSlot(ThreadSlot& slot)
{
    if (slot.valid)
    {
        // FlsFree would run the callback for the values still set; the slot's
        // owner has dealt with them.
        FlsSetValue(DWORD(slot.key), nullptr);
        FlsFree(DWORD(slot.key));
    }
    slot.valid = false;
}

void* GetThreadSlotValue(const ThreadSlot& slot)
{
    return slot.valid ? FlsGetValue(DWORD(slot.key)) : nullptr;
}

void SetThreadSlotValue(const ThreadSlot& slot, void* value)
{
    if (slot.valid)
        FlsSetValue(DWORD(slot.key), value);
}

namespace
{
struct ThreadStart
{
    void (*body)(void*);
    void* argument;
    HMODULE module;
};

// The thread holds a reference on this module while it runs and lets it go
// in the same call that ends the thread, so the module's code is never
// unloaded under it. Joined before the host's last FreeLibrary (the
// component's stop), it has let go by then and the module unloads at once;
// a module never stopped stays loaded while the thread lives.
DWORD WINAPI RunThread(void* start)
{
    const ThreadStart run = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    run.body(run.argument);
    FreeLibraryAndExitThread(run.module, 0);
}
}

bool StartThread(Thread& thread, void (*body)(void*), void* argument)
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&RunThread), &module))
        return false;
    auto* start = new ThreadStart{ body, argument, module };
    thread.handle = CreateThread(nullptr, 0, RunThread, start, 0, nullptr);
    if (!thread.handle)
    {
        delete start;
        FreeLibrary(module);
    }
    return thread.handle != nullptr;
}

void JoinThread(Thread& thread)
{
    JoinThreadWithin(thread, INFINITE);
}

bool JoinThreadWithin(Thread& thread, unsigned timeoutMs)
{
    if (!thread.handle)
        return true;
    if (WaitForSingleObject(thread.handle, timeoutMs) != WAIT_OBJECT_0)
        return false;
    CloseHandle(thread.handle);
    thread.handle = nullptr;
    return true;
}
}
