// The host's window and debugger, as the core runtime reports them.
#include "CoreRTDiagnostics.h"

#include <atomic>

#ifdef _WIN32
#include <windows.h>
// kernel32's; Wine's headers leave it out.
extern "C" __declspec(dllimport) USHORT WINAPI RtlCaptureStackBackTrace(ULONG skip, ULONG count, void** frames,
                                                                       ULONG* hash);
#else
#include <execinfo.h>
#endif

namespace
{
std::atomic<bool> g_debuggerPresent{ false };
std::atomic<int> g_debuggerQueries{ 0 };
std::atomic<void*> g_gameWindow{ nullptr };
std::atomic<bool> g_walkStack{ false };
std::atomic<int> g_walkedFrames{ -1 };

// As a host's crash handling does when asked for its window during a fatal
// report: it walks the stack of the thread that reports.
int WalkStack()
{
    void* frames[64];
#ifdef _WIN32
    return RtlCaptureStackBackTrace(0, 64, frames, nullptr);
#else
    return backtrace(frames, 64);
#endif
}
}

extern "C" CORE_RT_API bool CoreIsDebuggerPresent()
{
    ++g_debuggerQueries;
    return g_debuggerPresent;
}

extern "C" CORE_RT_API void* CoreGetGameWindow()
{
    if (g_walkStack)
        g_walkedFrames = WalkStack();
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

void corert::SetStackWalkInGameWindow(bool walk)
{
    g_walkStack = walk;
}

int corert::WalkedFrames()
{
    return g_walkedFrames;
}
