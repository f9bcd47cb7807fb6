// The host's window and debugger, as the core runtime reports them.
#include "CoreRTDiagnostics.h"

#include <atomic>
#include <cstdio>

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
std::atomic<const char*> g_walkTargetBegin{ nullptr };
std::atomic<const char*> g_walkTargetEnd{ nullptr };

// As a host's crash handling does when asked for its window during a fatal
// report: it walks the stack of the thread that reports, and says on
// standard error whether the walk reached the code the test named.
void WalkStack()
{
    void* frames[64];
#ifdef _WIN32
    const int count = RtlCaptureStackBackTrace(0, 64, frames, nullptr);
#else
    const int count = backtrace(frames, 64);
#endif
    bool reached = false;
    for (int i = 0; i < count; ++i)
    {
        const char* frame = static_cast<const char*>(frames[i]);
        reached = reached || (frame >= g_walkTargetBegin.load() && frame < g_walkTargetEnd.load());
    }
    std::fprintf(stderr, "stack walk: %d frames, %s\n", count,
                 reached ? "reached the target" : "did not reach the target");
    std::fflush(stderr);
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
        WalkStack();
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

void corert::SetStackWalkInGameWindow(const void* targetBegin, const void* targetEnd)
{
    g_walkTargetBegin = static_cast<const char*>(targetBegin);
    g_walkTargetEnd = static_cast<const char*>(targetEnd);
    g_walkStack = targetBegin != nullptr;
}
