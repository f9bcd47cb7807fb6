// Writes what the platform layer reports about this process, for the
// platform tests that start it: the command line, a NUL, the executable path.
#include "Platform.h"
#include "Utils.h"

#include <cstdio>

int main()
{
    const std::string commandLine = ToUtf8(platform::GetProcessCommandLine());
    const std::string executable = ToUtf8(platform::GetExecutablePath());
    std::fwrite(commandLine.data(), 1, commandLine.size() + 1, stdout);
    std::fwrite(executable.data(), 1, executable.size(), stdout);
    return 0;
}
