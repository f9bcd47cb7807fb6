// A console program's entry: the filter that sends uncaught C++ exceptions
// to std::terminate, the command line and environment from ucrtbase, the
// static initialisers, then main; exit() runs the atexit functions, which
// for a program live in ucrtbase's process-wide table.
#include <exception>
#include <stdlib.h>
#include <windows.h>

#include "Sections.h"

extern "C" {
int main(int argc, char** argv, char** envp);
void __cdecl __security_init_cookie();

int __cdecl atexit(_PVFV function)
{
    return _crt_atexit(function);
}

_onexit_t __cdecl _onexit(_onexit_t function)
{
    return _crt_atexit(reinterpret_cast<_PVFV>(function)) == 0 ? function : nullptr;
}

_ACRTIMP int* __cdecl __p___argc(void);
_ACRTIMP char*** __cdecl __p___argv(void);

// A C++ exception nobody caught ends in std::terminate, and so in the
// program's terminate handler, as Microsoft's start-up arranges; anything
// else goes on to the system's handling.
static LONG WINAPI TerminateOnUncaughtException(EXCEPTION_POINTERS* exception)
{
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    constexpr DWORD kCppException = 0xE06D7363; // 'msc'
    if (record->ExceptionCode == kCppException && record->NumberParameters == 4) {
        const ULONG_PTR magic = record->ExceptionInformation[0];
        if (magic == 0x19930520 || magic == 0x19930521 || magic == 0x19930522 || magic == 0x01994000)
            std::terminate();
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

int mainCRTStartup()
{
    __security_init_cookie(); // before any function that checks it
    SetUnhandledExceptionFilter(TerminateOnUncaughtException);
    _set_app_type(_crt_console_app);
    if (_configure_narrow_argv(_crt_argv_unexpanded_arguments) != 0 || _initialize_narrow_environment() != 0 || !vesk_run_initialisers())
        _exit(255);
    vesk_run_thread_initialisers();
    exit(main(*__p___argc(), *__p___argv(), _get_initial_narrow_environment()));
}
}
