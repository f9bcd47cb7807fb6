// The sections the compiler fills and the start-up part walks: the linker
// sorts the pieces of a section by the name after '$', so a marker in "A" and
// one in "Z" bracket what every object file put in between. Layout and names
// as in Microsoft's runtime: C initialisers in .CRT$XI*, C++ initialisers in
// .CRT$XC*, thread_local initialisers in .CRT$XD*, TLS callbacks in .CRT$XL*.
#pragma once
#include <corecrt_startup.h>

#pragma section(".CRT$XIA", long, read)
#pragma section(".CRT$XIZ", long, read)
#pragma section(".CRT$XCA", long, read)
#pragma section(".CRT$XCZ", long, read)
#pragma section(".CRT$XDA", long, read)
#pragma section(".CRT$XDZ", long, read)
#pragma section(".CRT$XLA", long, read)
#pragma section(".CRT$XLC", long, read)
#pragma section(".CRT$XLZ", long, read)

extern "C" {
// ucrtbase's table walkers.
_ACRTIMP void __cdecl _initterm(_PVFV* first, _PVFV* last);
_ACRTIMP int __cdecl _initterm_e(_PIFV* first, _PIFV* last);

extern _PIFV __xi_a[];
extern _PIFV __xi_z[];
extern _PVFV __xc_a[];
extern _PVFV __xc_z[];
extern _PVFV __xd_a[];
extern _PVFV __xd_z[];

// Runs the module's static initialisers; false if a C initialiser failed.
bool vesk_run_initialisers();
// Runs the calling thread's thread_local initialisers.
void vesk_run_thread_initialisers();
// Runs and frees the destructors of the calling thread's thread_local objects.
void vesk_run_thread_destructors();
}
