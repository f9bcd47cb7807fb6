// Thread-safe initialisation of function-local statics, as the compiler
// emits it for Microsoft's ABI: each static has a guard (0 = not yet, -1 =
// being initialised, otherwise the epoch at which it was done); a thread
// compares the guard with its own thread_local _Init_thread_epoch and calls
// _Init_thread_header only when the static may still need work. One lock and
// one condition variable serve every static of the module.
#include <windows.h>

#include <limits.h>

extern "C" {
int _Init_global_epoch = INT_MIN;
thread_local int _Init_thread_epoch = INT_MIN;

static SRWLOCK g_lock = SRWLOCK_INIT;
static CONDITION_VARIABLE g_done = CONDITION_VARIABLE_INIT;

static constexpr int kUninitialised = 0;
static constexpr int kBeingInitialised = -1;

// Returns with the guard at kBeingInitialised when the caller is to run the
// initialiser: at once, or after waiting for another thread whose
// initialiser threw. Otherwise another thread finished it.
void __cdecl _Init_thread_header(int* guard)
{
    AcquireSRWLockExclusive(&g_lock);
    while (*guard == kBeingInitialised)
        SleepConditionVariableSRW(&g_done, &g_lock, INFINITE, 0);
    if (*guard == kUninitialised)
        *guard = kBeingInitialised; // the caller initialises
    else
        _Init_thread_epoch = _Init_global_epoch;
    ReleaseSRWLockExclusive(&g_lock);
}

void __cdecl _Init_thread_footer(int* guard)
{
    AcquireSRWLockExclusive(&g_lock);
    ++_Init_global_epoch;
    *guard = _Init_global_epoch;
    _Init_thread_epoch = _Init_global_epoch;
    ReleaseSRWLockExclusive(&g_lock);
    WakeAllConditionVariable(&g_done);
}

// The initialiser threw: the next caller tries again.
void __cdecl _Init_thread_abort(int* guard)
{
    AcquireSRWLockExclusive(&g_lock);
    *guard = kUninitialised;
    ReleaseSRWLockExclusive(&g_lock);
    WakeAllConditionVariable(&g_done);
}
}
