// Calling a function of this module as the process's exit begins, on Linux.
#include "Platform.h"

#include <cstdlib>

namespace platform
{
// exit runs the atexit functions while the other threads still run; those
// a library registered go with it when it is unloaded.
bool CallAtExit(void (*function)())
{
    return atexit(function) == 0;
}
}
