// The local date and time on Windows.
#include "Platform.h"

#include <windows.h>

namespace platform
{
LocalTime GetLocalTime()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return { now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond };
}
}
