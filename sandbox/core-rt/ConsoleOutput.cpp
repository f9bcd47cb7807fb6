// The console's output: the print exports that components call, and the
// record of every message for the sandbox and the tests.
#include "CoreRTConsole.h"
#include "StandInConsole.h"

#include <fmt/printf.h>

#include <cstdio>
#include <mutex>
#include <string_view>

namespace
{
std::mutex g_mutex;
std::vector<corert::ConsoleMessage> g_messages;

std::string Format(std::string_view format, fmt::printf_args arguments)
{
    // A bad format from a caller must not throw across the export.
    try
    {
        return fmt::vsprintf(fmt::string_view(format.data(), format.size()), arguments);
    }
    catch (const std::exception& error)
    {
        return "(unprintable message: " + std::string(error.what()) + ")\n";
    }
}

void WriteToStandardOutput(const std::string& channel, const std::string& text, bool warning)
{
    // One output line per text line, each with the channel, so that
    // messages of different channels stay apart. Warnings go to standard
    // error, where a shell or a CI log looks for what went wrong.
    FILE* stream = warning ? stderr : stdout;
    const std::string prefix = "[" + channel + "] " + (warning ? "warning: " : "");
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = prefix + text.substr(start, end - start) + "\n";
        fwrite(line.data(), 1, line.size(), stream);
        start = end + 1;
    }
    fflush(stream);
}
}

namespace corert
{
void WriteConsole(const std::string& channel, const std::string& text, bool warning)
{
    std::lock_guard lock(g_mutex);
    g_messages.push_back({ channel, text, warning });
    WriteToStandardOutput(channel, text, warning);
}

std::vector<ConsoleMessage> ConsoleMessages()
{
    std::lock_guard lock(g_mutex);
    return g_messages;
}

size_t ConsoleMessageCount()
{
    std::lock_guard lock(g_mutex);
    return g_messages.size();
}

std::vector<ConsoleMessage> ConsoleMessagesFrom(size_t first)
{
    std::lock_guard lock(g_mutex);
    if (first >= g_messages.size())
        return {};
    return std::vector<ConsoleMessage>(g_messages.begin() + std::ptrdiff_t(first), g_messages.end());
}

void ClearConsoleMessages()
{
    std::lock_guard lock(g_mutex);
    g_messages.clear();
}
}

extern "C" CORE_RT_API void Printfv(const std::string& channel, std::string_view format, fmt::printf_args arguments)
{
    corert::WriteConsole(channel, Format(format, arguments), false);
}

extern "C" CORE_RT_API void PrintWarningv(const std::string& channel, std::string_view format, fmt::printf_args arguments)
{
    corert::WriteConsole(channel, Format(format, arguments), true);
}
