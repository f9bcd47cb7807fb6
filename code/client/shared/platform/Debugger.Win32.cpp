// What a debugger is given on Windows: printed text, through the debug-print
// exception when one is attached, and the breakpoint instruction.
#include "Platform.h"

#include <windows.h>

namespace platform
{
namespace
{
using NtRaiseExceptionFn = LONG(NTAPI*)(EXCEPTION_RECORD* record, CONTEXT* context, BOOLEAN firstChance);

// A debug print being raised on this thread: where a caught exception
// resumes (right after the context capture) and whether one was caught.
struct PrintGuard
{
    CONTEXT* resume;
    volatile bool caught;
};
thread_local PrintGuard* t_printGuard = nullptr;

// The guard around the raise, as an execute-handler filter would be: every
// exception of this thread while the guard stands lands here, and the
// thread goes on at the captured context with `caught` set. A debugger that
// takes the print sees it before any handler does, so this runs only when
// none did.
LONG CALLBACK CatchInsidePrintGuard(EXCEPTION_POINTERS* exception)
{
    PrintGuard* guard = t_printGuard;
    if (!guard)
        return EXCEPTION_CONTINUE_SEARCH;
    t_printGuard = nullptr;
    guard->caught = true;
    *exception->ContextRecord = *guard->resume;
    return EXCEPTION_CONTINUE_EXECUTION;
}

NtRaiseExceptionFn ResolveNtRaiseException()
{
    static const auto ntRaiseException =
        FindExportAs<NtRaiseExceptionFn>(GetModuleHandleW(L"ntdll.dll"), "NtRaiseException");
    return ntRaiseException;
}
}

// Without a debugger the text goes to the system's debug output; with one,
// it is raised as the debug-print exception from this call's caller, which
// the debugger takes, and execution goes on.
void PrintForDebugger(const char* text, size_t length, bool debuggerAttached)
{
    if (!debuggerAttached)
    {
        OutputDebugStringA(text);
        return;
    }

    EXCEPTION_RECORD record{};
    record.ExceptionCode = DBG_PRINTEXCEPTION_C;
    record.ExceptionFlags = 0;
    record.ExceptionAddress = __builtin_return_address(0);
    record.NumberParameters = 2;
    record.ExceptionInformation[0] = length + 1; // with the terminating NUL
    record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(text);

    CONTEXT context{};
    PrintGuard guard{&context, false};
    // Both are read again after the thread resumes at the captured context,
    // so they must live in memory, not in registers the capture restores.
    volatile bool raised = false;
    volatile bool returned = false;

    void* handler = AddVectoredExceptionHandler(1, CatchInsidePrintGuard);
    t_printGuard = &guard;
    RtlCaptureContext(&context);
    if (!raised)
    {
        raised = true;
        if (NtRaiseExceptionFn ntRaiseException = ResolveNtRaiseException())
            ntRaiseException(&record, &context, TRUE);
        // Only a raise that failed, or none at all, comes back here.
        returned = true;
    }
    t_printGuard = nullptr;
    RemoveVectoredExceptionHandler(handler);

    // Nobody took the text: the debugger output gets it after all.
    if (guard.caught || returned)
        OutputDebugStringA(text);
}

void Breakpoint()
{
    __debugbreak();
}
}
