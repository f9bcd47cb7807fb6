// What a debugger is given on Linux: printed text goes to standard error,
// and the breakpoint instruction.
#include "Platform.h"

#include <cstdio>

namespace platform
{
void PrintForDebugger(const char* text, size_t length, bool debuggerAttached)
{
    if (debuggerAttached)
        fwrite(text, 1, length, stderr);
    else
        fputs(text, stderr);
}

void Breakpoint()
{
    __asm__ volatile("int3");
}
}
