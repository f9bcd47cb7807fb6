// Work that must be done as the process's orderly exit begins (exit(), or
// the return from main), while every thread of it still runs: on Windows
// they are ended, inside whatever call they are, before a module hears of
// the exit, so a thread of ours cannot be waited for after that.
#pragma once

struct ExitHook
{
    void (*run)(void*) = nullptr;
    void* argument = nullptr;
    ExitHook* next = nullptr;
};

// Has `hook` run once at the exit (the latest registered first) unless it is
// cancelled before; false when the process offers no such moment. A hook
// throws nothing, and neither registers nor cancels one.
bool RunAtExit(ExitHook& hook);
// Once this returns, the hook is not running and never runs.
void CancelAtExit(ExitHook& hook);
