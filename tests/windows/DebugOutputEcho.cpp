// Shows a test process's debugger output on its standard error, as an
// attached debugger would show it. OutputDebugStringA hands its text to a
// debugger by raising the debug-print exception; this handler sees it first
// when no debugger is attached, writes it out and lets the system go on as
// before. On POSIX the platform layer writes that text to standard error
// itself, so tests that look for a fatal error's text find it on both.
#include <windows.h>

namespace
{
LONG CALLBACK EchoDebugOutput(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    if (record->ExceptionCode != DBG_PRINTEXCEPTION_C || record->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;

    // The length counts the terminating NUL.
    const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
    const ULONG_PTR length = record->ExceptionInformation[0];
    DWORD written = 0;
    if (text && length > 1)
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(length - 1), &written, nullptr);
    return EXCEPTION_CONTINUE_SEARCH;
}

// Last in line, after any handler a test installs itself.
const void* const g_echo = AddVectoredExceptionHandler(0, EchoDebugOutput);
}
