// The core runtime's trace outputs; the stand-in keeps what it receives.
#include "CoreRTDiagnostics.h"

#include <mutex>

namespace
{
std::mutex g_mutex;
std::vector<corert::TraceCall> g_traceCalls;
std::vector<std::string> g_asyncMessages;
}

extern "C" CORE_RT_API void CoreTrace(const char* channel, const char* function, const char* file, int line, const char* message)
{
    std::lock_guard lock(g_mutex);
    g_traceCalls.push_back({ channel, function, file, line, message });
}

extern "C" CORE_RT_API void AsyncTrace(const char* message)
{
    std::lock_guard lock(g_mutex);
    g_asyncMessages.emplace_back(message);
}

std::vector<corert::TraceCall> corert::TraceCalls()
{
    std::lock_guard lock(g_mutex);
    return g_traceCalls;
}

std::vector<std::string> corert::AsyncTraceMessages()
{
    std::lock_guard lock(g_mutex);
    return g_asyncMessages;
}

void corert::ClearTraces()
{
    std::lock_guard lock(g_mutex);
    g_traceCalls.clear();
    g_asyncMessages.clear();
}
