// A console program's entry: the command line and environment from
// ucrtbase, the static initialisers, then main; exit() runs the atexit
// functions, which for a program live in ucrtbase's process-wide table.
#include <stdlib.h>

#include "Sections.h"

extern "C" {
int main(int argc, char** argv, char** envp);

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

int mainCRTStartup()
{
    _set_app_type(_crt_console_app);
    if (_configure_narrow_argv(_crt_argv_unexpanded_arguments) != 0 || _initialize_narrow_environment() != 0 || !vesk_run_initialisers())
        _exit(255);
    vesk_run_thread_initialisers();
    exit(main(*__p___argc(), *__p___argv(), _get_initial_narrow_environment()));
}
}
