// Wine's <stdlib.h> with <errno.h> (Microsoft's brings ERANGE along), atexit
// and _onexit as the start-up part defines them, plus what Microsoft's header
// also declares: ucrtbase's quick_exit and _set_abort_behavior, and
// at_quick_exit over ucrtbase's _crt_at_quick_exit (inline here; in
// Microsoft's runtime it is part of the static start-up library).
#pragma once

// atexit and _onexit belong to the module that calls them (its own table, run
// when it unloads), so they are the start-up part's, not ucrtbase's imports.
#define atexit __wine_imported_atexit
#define _onexit __wine_imported_onexit
#include_next <stdlib.h>
#undef atexit
#undef _onexit
#include <errno.h>

#ifdef __cplusplus
extern "C" {
#endif
typedef void(__cdecl* _PVFV)(void);
int __cdecl atexit(_PVFV _Function);
_ACRTIMP unsigned int __cdecl _set_abort_behavior(unsigned int _Flags, unsigned int _Mask);
_onexit_t __cdecl _onexit(_onexit_t _Function);
_ACRTIMP __declspec(noreturn) void __cdecl quick_exit(int _Code);
_ACRTIMP int __cdecl _crt_at_quick_exit(_PVFV _Function);
static __inline int __cdecl at_quick_exit(_PVFV _Function) {
    return _crt_at_quick_exit(_Function);
}
#ifdef __cplusplus
}
#endif
