// The markers around the initialiser tables, and running them.
#include "Sections.h"

extern "C" {
__declspec(allocate(".CRT$XIA")) _PIFV __xi_a[] = {nullptr};
__declspec(allocate(".CRT$XIZ")) _PIFV __xi_z[] = {nullptr};
__declspec(allocate(".CRT$XCA")) _PVFV __xc_a[] = {nullptr};
__declspec(allocate(".CRT$XCZ")) _PVFV __xc_z[] = {nullptr};

bool vesk_run_initialisers()
{
    if (_initterm_e(__xi_a, __xi_z) != 0)
        return false;
    _initterm(__xc_a, __xc_z);
    return true;
}

// The compiler marks every object that uses floating point with this symbol.
int _fltused = 0x9875;
}
