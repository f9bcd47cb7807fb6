// The host's window and debugger, as the core runtime reports them.
#include "CoreRTDiagnostics.h"

#include <atomic>

namespace
{
std::atomic<bool> g_debuggerPresent{ false };
std::atomic<int> g_debuggerQueries{ 0 };
std::atomic<void*> g_gameWindow{ nullptr };
}

extern "C" CORE_RT_API bool CoreIsDebuggerPresent()
{
    ++g_debuggerQueries;
    return g_debuggerPresent;
}

extern "C" CORE_RT_API void* CoreGetGameWindow()
{
    return g_gameWindow;
}

void corert::SetDebuggerPresent(bool present)
{
    g_debuggerPresent = present;
}

int corert::DebuggerQueries()
{
    return g_debuggerQueries;
}

void corert::SetGameWindow(void* window)
{
    g_gameWindow = window;
}
