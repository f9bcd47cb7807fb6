// The process on Windows: its command line, id and environment, and ending
// it.
#include "Platform.h"

#include "WideText.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

namespace platform
{
std::u16string GetProcessCommandLine()
{
    return FromWide(GetCommandLineW());
}

std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine)
{
    const std::u16string line = Terminated(commandLine);
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(Wide(line), &count);
    if (!arguments)
        return {};

    std::vector<std::u16string> result;
    result.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        result.push_back(FromWide(arguments[i]));
    LocalFree(arguments);
    return result;
}

uint32_t CurrentProcessId()
{
    return GetCurrentProcessId();
}

const char* GetEnvironment(const char* name)
{
    return getenv(name);
}

void EndProcessNow(int exitCode)
{
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
    // Termination of the own process does not come back; should it be
    // refused, the process still ends here.
    ::ExitProcess(static_cast<UINT>(exitCode));
}

void KillCurrentProcess()
{
    EndProcessNow(1);
}
}
