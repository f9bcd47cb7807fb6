// The process on Linux: its command line with Windows quoting, its id and
// environment, and ending it.
#include "Platform.h"

#include "Utils.h"
#include "WindowsCommandLine.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace platform
{
std::u16string GetProcessCommandLine()
{
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());

    std::vector<std::u16string> arguments;
    for (size_t start = 0; start < raw.size();)
    {
        size_t end = raw.find('\0', start);
        if (end == std::string::npos)
            end = raw.size();
        arguments.push_back(ToUtf16(std::string_view(raw).substr(start, end - start)));
        start = end + 1;
    }
    return JoinWindowsCommandLine(arguments);
}

std::vector<std::u16string> SplitCommandLine(std::u16string_view line)
{
    return SplitWindowsCommandLine(line);
}

uint32_t CurrentProcessId()
{
    return static_cast<uint32_t>(getpid());
}

const char* GetEnvironment(const char* name)
{
    return getenv(name);
}

void EndProcessNow(int exitCode)
{
    _exit(exitCode);
}

void KillCurrentProcess()
{
    kill(getpid(), SIGKILL);
    // SIGKILL cannot be caught; this is not reached.
    _exit(137);
}
}
