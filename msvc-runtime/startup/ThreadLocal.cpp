// Thread-local storage: the TLS directory the loader reads to give every
// thread its copy of the .tls section, and the callback that runs the
// thread_local initialisers (.CRT$XD*) on each new thread and their
// destructors (registered through __tlregdtor) when the thread ends.
// Layout of the directory: IMAGE_TLS_DIRECTORY64 of <winnt.h>.
#include <windows.h>

#include <stdlib.h>

#include "Sections.h"

extern "C" {
#pragma section(".tls", long, read, write)
#pragma section(".tls$ZZZ", long, read, write)
__declspec(allocate(".tls")) char _tls_start = 0;
__declspec(allocate(".tls$ZZZ")) char _tls_end = 0;
unsigned long _tls_index = 0;

__declspec(allocate(".CRT$XDA")) _PVFV __xd_a[] = {nullptr};
__declspec(allocate(".CRT$XDZ")) _PVFV __xd_z[] = {nullptr};

// Destructors of this thread's thread_local objects, newest first.
struct ThreadDestructor {
    _PVFV function;
    ThreadDestructor* next;
};
static thread_local ThreadDestructor* t_destructors = nullptr;

int __cdecl __tlregdtor(_PVFV function)
{
    auto* entry = static_cast<ThreadDestructor*>(malloc(sizeof(ThreadDestructor)));
    if (!entry)
        return -1;
    *entry = {function, t_destructors};
    t_destructors = entry;
    return 0;
}

void vesk_run_thread_destructors()
{
    while (ThreadDestructor* entry = t_destructors) {
        t_destructors = entry->next;
        entry->function();
        free(entry);
    }
}

// Whether this thread's thread_local objects are initialised. The compiler
// checks it before every access to one and calls __dyn_tls_on_demand_init
// while it is 0.
thread_local bool __tls_guard = false;

void vesk_run_thread_initialisers()
{
    if (__tls_guard)
        return;
    __tls_guard = true;
    for (_PVFV* init = __xd_a + 1; init < __xd_z; ++init)
        if (*init)
            (*init)();
}

void __cdecl __dyn_tls_on_demand_init() { vesk_run_thread_initialisers(); }

// Threads that start after the module is loaded; the entry covers the thread
// that loads it, after the static initialisers. The compiler names this
// callback in every object with a thread_local that needs initialising.
void NTAPI __dyn_tls_init(void*, DWORD reason, void*)
{
    if (reason == DLL_THREAD_ATTACH)
        vesk_run_thread_initialisers();
    else if (reason == DLL_THREAD_DETACH)
        vesk_run_thread_destructors();
}

__declspec(allocate(".CRT$XLA")) PIMAGE_TLS_CALLBACK __xl_a = nullptr;
__declspec(allocate(".CRT$XLC")) PIMAGE_TLS_CALLBACK __xl_c = __dyn_tls_init;
__declspec(allocate(".CRT$XLZ")) PIMAGE_TLS_CALLBACK __xl_z = nullptr;

#pragma section(".rdata$T", long, read)
__declspec(allocate(".rdata$T")) extern const IMAGE_TLS_DIRECTORY64 _tls_used = {
    reinterpret_cast<ULONGLONG>(&_tls_start),
    reinterpret_cast<ULONGLONG>(&_tls_end),
    reinterpret_cast<ULONGLONG>(&_tls_index),
    reinterpret_cast<ULONGLONG>(&__xl_a + 1),
    0,
    0,
};
}
