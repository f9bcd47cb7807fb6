#include "ExitHooks.h"

#include "Platform.h"

#include <atomic>
#include <thread>

namespace
{
// Held while a hook runs, so that one cancelled meanwhile is done with when
// its owner goes on. Nothing here has a destructor: hooks are cancelled
// from other objects' destructors, in any order at the module's end.
std::atomic_flag g_busy = ATOMIC_FLAG_INIT;
ExitHook* g_hooks = nullptr;
bool g_calledAtExit = false;

struct Holding
{
    Holding()
    {
        while (g_busy.test_and_set(std::memory_order_acquire))
            std::this_thread::yield();
    }
    ~Holding() { g_busy.clear(std::memory_order_release); }
    Holding(const Holding&) = delete;
    Holding& operator=(const Holding&) = delete;
};

void RunHooks()
{
    Holding holding;
    while (ExitHook* hook = g_hooks)
    {
        g_hooks = hook->next;
        hook->next = nullptr;
        hook->run(hook->argument);
    }
}
}

bool RunAtExit(ExitHook& hook)
{
    Holding holding;
    if (!g_calledAtExit)
        g_calledAtExit = platform::CallAtExit(RunHooks);
    if (!g_calledAtExit)
        return false;
    hook.next = g_hooks;
    g_hooks = &hook;
    return true;
}

void CancelAtExit(ExitHook& hook)
{
    Holding holding;
    for (ExitHook** link = &g_hooks; *link; link = &(*link)->next)
    {
        if (*link == &hook)
        {
            *link = hook.next;
            hook.next = nullptr;
            return;
        }
    }
}
